#include "scheme/SchemeEditor.h"

#include "editor/ColourDialog.h"
#include "editor/ColourEditor.h"
#include "platform/DesktopServices.h"
#include "scheme/StoredSchemes.h"
#include "shell/frmTintwell.h"

#include <QButtonGroup>

using namespace modColors;

void SchemeEditor::wire() {
    // The tag is one line: only the horizontal bar is of use in the low field.
    f.txtTag->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < SlotCount; ++i) {
        QObject::connect(f.optTag[i], &QRadioButton::toggled, &f, [this, i](bool checked) {
            if (checked) {
                optTag_Click(i);
            }
        });
        QObject::connect(f.lblTag[i], &FormLabel::clicked, &f, [this, i] { lblTag_Click(i); });
        QObject::connect(f.lblTag[i], &FormLabel::doubleClicked, &f, [this, i] { lblTag_DblClick(i); });
    }
    QObject::connect(f.cmdCopyTag, &QPushButton::clicked, &f, [this] { cmdCopyTag_Click(); });
}

void SchemeEditor::SchemeStep(ColourValue colour) {
    if (!f.schemes.isOpen() || SelectedSlot == NoSlot) {
        return;
    }
    setSlot(SelectedSlot, ColourToHtml(colour), colour);
    BuildBodyTag();
}

void SchemeEditor::setSlot(int slot, const QString& code, ColourValue colour) {
    f.lblTag[slot]->setTag(code);
    // The backdrop shows its colour as the page; the sample words as their text.
    if (slot == 0) {
        f.lblTag[0]->setBackColour(colour);
    } else {
        f.lblTag[slot]->setForeColour(colour);
    }
}

void SchemeEditor::BuildBodyTag() {
    const QString tag = QStringLiteral("<BODY BGCOLOR=") + f.lblTag[0]->tag() + QStringLiteral(" TEXT=") +
                        f.lblTag[1]->tag() + QStringLiteral(" LINK=") + f.lblTag[2]->tag() +
                        QStringLiteral(" VLINK=") + f.lblTag[3]->tag() + QStringLiteral(" ALINK=") +
                        f.lblTag[4]->tag() + QStringLiteral(">");
    f.txtTag->setPlainText(tag);
}

void SchemeEditor::chooseSlot(int index) {
    SelectedSlot = index;
    // The slot's colour becomes current; the refresh writes it back unchanged.
    f.editor.ShowColour(HtmlToColour(f.lblTag[index]->tag()));
}

void SchemeEditor::optTag_Click(int index) {
    chooseSlot(index);
}

void SchemeEditor::lblTag_Click(int index) {
    // Selecting an unselected option button chooses the slot through its own handler;
    // choosing again here would only repeat it.
    if (f.optTag[index]->isChecked()) {
        chooseSlot(index);
    } else {
        f.optTag[index]->setChecked(true);
    }
}

void SchemeEditor::lblTag_DblClick(int index) {
    // The click before the double-click has made the slot's colour current already.
    SelectedSlot = index;
    f.dialog.lblCMix_DblClick();
}

void SchemeEditor::cmdCopyTag_Click() {
    f.desktop.putClipboardText(f.txtTag->toPlainText());
}

void SchemeEditor::clearOptionButtons() {
    // An exclusive group refuses to be left empty; lift that for the moment.
    QButtonGroup* group = f.optTag[0]->group();
    group->setExclusive(false);
    for (QRadioButton* option : f.optTag) {
        option->setChecked(false);
    }
    group->setExclusive(true);
}
