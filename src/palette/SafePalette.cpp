#include "palette/SafePalette.h"

#include "shell/frmTintwell.h"

void SafePalette::wire() {
    QObject::connect(f.chkSF, &QCheckBox::toggled, &f, [this] { chkSF_Click(); });
    QObject::connect(f.cmdSafe, &QPushButton::clicked, &f, [this] { cmdSafe_Click(); });
}

bool SafePalette::isOpen() const {
    return f.cmdSafe->text() == OpenCaption;
}

void SafePalette::cmdSafe_Click() {
    // The panel's cells join here; for now the button only uncovers or covers the panel.
    if (isOpen()) {
        f.cmdSafe->setText(ClosedCaption);
        f.setOuterWidthTwips(5100);
    } else {
        f.cmdSafe->setText(OpenCaption);
        f.setOuterWidthTwips(9300);
    }
}

void SafePalette::chkSF_Click() {
    GuardFlags& g = f.flags;
    if (f.chkSF->isChecked()) {
        for (int i = 0; i < 3; ++i) {
            g.SafeUndo = true;
            const int v = f.vsbColor[i]->value();
            const int rem = v % 51;
            SavedChannels[i] = static_cast<modColors::Channel>(v);
            // Setting the value refreshes the colour, which clears SafeUndo: it is set again
            // for the next channel.
            f.vsbColor[i]->setValue(rem <= 25 ? v - rem : v + 51 - rem);
            f.vsbColor[i]->setSingleStep(51);
            f.vsbColor[i]->setPageStep(51);
        }
        g.SafeUndo = true;
        f.txtHex->setReadOnly(true);
        f.cmdWinColor->setEnabled(false);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (g.SafeUndo) {
            f.vsbColor[i]->setValue(SavedChannels[i]);
            g.SafeUndo = true;
        }
        f.vsbColor[i]->setSingleStep(1);
        f.vsbColor[i]->setPageStep(16);
    }
    g.SafeUndo = false;
    f.txtHex->setReadOnly(false);
    f.cmdWinColor->setEnabled(true);
}

void SafePalette::SwitchOffWithoutUndo() {
    if (!f.chkSF->isChecked()) {
        return;
    }
    f.flags.SafeUndo = false;
    f.chkSF->setChecked(false); // raises chkSF_Click
    chkSF_Click();
}

void SafePalette::MatchStep() {
    if (!isOpen() || f.flags.InSafeSelect) {
        return;
    }
    // The cells join here with the panel itself.
}
