#include "editor/TemporaryStore.h"

#include "editor/ColourEditor.h"
#include "platform/DesktopServices.h"
#include "widgets/FormLabel.h"

using namespace modColors;

void TemporaryStore::wire(QObject* context) {
    QObject::connect(lblH_, &FormLabel::clicked, context, [this] { lblH_Click(); });
    QObject::connect(lblH_, &FormLabel::mouseUp, context,
                     [this](int button, int shift) { lblH_MouseUp(button, shift); });
}

void TemporaryStore::lblH_Click() {
    desktop_.putClipboardText(editor_.hexText());
}

void TemporaryStore::lblH_MouseUp(int button, int /*shift*/) {
    if (button != 2) {
        return;
    }
    if (lblH_->borderStyle() == 0) {
        TempColour = (QStringLiteral("#") + editor_.hexText()).leftJustified(7, QLatin1Char(' '), true);
        lblH_->setBorderStyle(1);
        return;
    }
    lblH_->setBorderStyle(0);
    // A code stored while the hex box held fewer than six digits is incomplete: the store
    // empties, the current colour stays, and the length message says why.
    const QString code = TempColour.trimmed();
    if (code.size() < 7) {
        desktop_.tell(LengthMessage);
        return;
    }
    editor_.ShowColour(HtmlToColour(code));
}
