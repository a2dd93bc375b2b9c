#include "scheme/SchemeEditor.h"

#include "scheme/StoredSchemes.h"
#include "shell/frmTintwell.h"

using namespace modColors;

void SchemeEditor::wire() {
    // The slot choice and the copy button join here with the editor's panel.
}

void SchemeEditor::SchemeStep(ColourValue colour) {
    if (!f.schemes.isOpen() || SelectedSlot == NoSlot) {
        return;
    }
    const int k = SelectedSlot;
    f.lblTag[k]->setTag(ColourToHtml(colour));
    if (k != 0) {
        f.lblTag[k]->setForeColour(colour);
    } else {
        f.lblTag[0]->setBackColour(colour);
    }
    BuildBodyTag();
}

void SchemeEditor::BuildBodyTag() {
    const QString tag = QStringLiteral("<BODY BGCOLOR=") + f.lblTag[0]->tag() + QStringLiteral(" TEXT=") +
                        f.lblTag[1]->tag() + QStringLiteral(" LINK=") + f.lblTag[2]->tag() +
                        QStringLiteral(" VLINK=") + f.lblTag[3]->tag() + QStringLiteral(" ALINK=") +
                        f.lblTag[4]->tag() + QStringLiteral(">");
    f.txtTag->setPlainText(tag);
}
