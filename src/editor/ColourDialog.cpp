#include "editor/ColourDialog.h"

#include "colour/ColourPicking.h"
#include "editor/ColourEditor.h"
#include "platform/DesktopServices.h"
#include "shell/frmTintwell.h"

using namespace modColors;

void ColourDialog::wire() {
    QObject::connect(f.lblH, &FormLabel::clicked, &f, [this] { lblH_Click(); });
    QObject::connect(f.lblH, &FormLabel::mouseUp, &f,
                     [this](int button, int shift) { lblH_MouseUp(button, shift); });
    QObject::connect(f.lblCMix, &FormLabel::doubleClicked, &f, [this] { lblCMix_DblClick(); });
    QObject::connect(f.cmdWinColor, &QPushButton::clicked, &f, [this] { cmdWinColor_Click(); });
}

void ColourDialog::wirePanel() {
    QObject::connect(f.lblBold, &FormLabel::clicked, &f, [this] { lblBold_Click(); });
}

void ColourDialog::lblH_Click() {
    f.desktop.putClipboardText(f.txtHex->text());
}

void ColourDialog::lblH_MouseUp(int button, int /*shift*/) {
    if (button != 2) {
        return;
    }
    if (f.lblH->borderStyle() == 0) {
        TempColour = (QStringLiteral("#") + f.txtHex->text()).leftJustified(7, QLatin1Char(' '), true);
        f.lblH->setBorderStyle(1);
        return;
    }
    f.lblH->setBorderStyle(0);
    // A code stored while the hex box held fewer than six digits is incomplete: the store
    // empties, the current colour stays, and the length message says why.
    const QString code = TempColour.trimmed();
    if (code.size() < 7) {
        f.desktop.messageBox(LengthMessage, DesktopServices::StyleOkOnly, frmTintwell::Title);
        return;
    }
    f.editor.ShowColour(HtmlToColour(code));
}

void ColourDialog::lblCMix_DblClick() {
    ColourValue colour = f.editor.currentColour();
    PickColour(colour, true, true, false, &f, 1);
    if (colour != NoColour) {
        f.editor.ShowColour(colour);
    }
}

void ColourDialog::cmdWinColor_Click() {
    lblCMix_DblClick();
}

void ColourDialog::lblBold_Click() {
    const bool bold = f.lblBold->borderStyle() != 1;
    for (FormLabel* sample : f.lblTag) {
        QFont font = sample->font();
        font.setBold(bold);
        sample->setFont(font);
    }
    f.lblBold->setBorderStyle(bold ? 1 : 0);
}
