#include "editor/SafeSnapping.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace modColors;

void SafeSnapping::wire(QObject* context) {
    QObject::connect(c.chkSF, &QCheckBox::toggled, context, [this] { chkSF_Click(); });
}

void SafeSnapping::chkSF_Click() {
    if (c.chkSF->isChecked()) {
        for (int i = 0; i < 3; ++i) {
            SafeUndo = true;
            const int v = c.vsbColor[i]->value();
            const int rem = v % 51;
            SavedChannels[i] = static_cast<Channel>(v);
            // Setting the value refreshes the colour, which clears SafeUndo: it is set again
            // for the next channel.
            c.vsbColor[i]->setValue(rem <= 25 ? v - rem : v + 51 - rem);
            c.vsbColor[i]->setSingleStep(51);
            c.vsbColor[i]->setPageStep(51);
        }
        SafeUndo = true;
        c.txtHex->setReadOnly(true);
        c.cmdWinColor->setEnabled(false);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (SafeUndo) {
            c.vsbColor[i]->setValue(SavedChannels[i]);
            SafeUndo = true;
        }
        c.vsbColor[i]->setSingleStep(1);
        c.vsbColor[i]->setPageStep(16);
    }
    SafeUndo = false;
    c.txtHex->setReadOnly(false);
    c.cmdWinColor->setEnabled(true);
}

void SafeSnapping::SwitchOffWithoutUndo() {
    // Only a pick ends snapping. A refresh that merely lands on a standard colour (snapping
    // itself, an arrow click, a recalled colour) must not cut it off halfway.
    if (!c.chkSF->isChecked() || flags_.InShowColour) {
        return;
    }
    SafeUndo = false;
    c.chkSF->setChecked(false); // raises chkSF_Click
    chkSF_Click();
}
