#include "editor/ColourDialog.h"

#include "editor/ColourEditor.h"
#include "platform/DesktopServices.h"
#include "widgets/FormLabel.h"

#include <QPushButton>

using namespace modColors;

namespace {
// Hook and template flags (16 and 32) never reach the dialog.
constexpr unsigned WithoutHookAndTemplate = 0xFFFFFFCFu;
} // namespace

void ColourDialog::wire(QObject* context) {
    QObject::connect(c.lblCMix, &FormLabel::doubleClicked, context, [this] { lblCMix_DblClick(); });
    QObject::connect(c.cmdWinColor, &QPushButton::clicked, context, [this] { cmdWinColor_Click(); });
}

void ColourDialog::lblCMix_DblClick() {
    ColourValue colour = editor_.currentColour();
    PickColour(colour, true, true, false, owner_, 1);
    if (colour != NoColour) {
        editor_.ShowColour(colour);
    }
}

void ColourDialog::cmdWinColor_Click() {
    lblCMix_DblClick();
}

void ColourDialog::InitCustomColours(std::uint8_t mode) {
    if (mode == 1) {
        for (int i = 0; i < 16; ++i) {
            CustomColours[static_cast<std::size_t>(i)] = desktop_.sysColor(i);
        }
    } else {
        for (int i = 15; i >= 0; --i) {
            CustomColours[static_cast<std::size_t>(i)] = RGB(16 * i, 16 * i, 16 * i);
        }
    }
    CustomColoursReady = true;
}

unsigned ColourDialog::ColourDialogFlags(bool fullOpen, bool anyColour, bool preventFullOpen) {
    const unsigned flags = (anyColour ? DesktopServices::CcAnyColor : DesktopServices::CcSolidColor) |
                           DesktopServices::CcRgbInit | (fullOpen ? DesktopServices::CcFullOpen : 0u) |
                           (preventFullOpen ? DesktopServices::CcPreventFullOpen : 0u);
    return flags & WithoutHookAndTemplate;
}

bool ColourDialog::PickColour(ColourValue& colour, bool fullOpen, bool anyColour, bool preventFullOpen,
                              QWidget* owner, std::uint8_t customMode) {
    std::int32_t chosen = ResolveColour(colour, [this](int index) { return desktop_.sysColor(index); });
    const unsigned flags = ColourDialogFlags(fullOpen, anyColour, preventFullOpen);
    if (!CustomColoursReady) {
        InitCustomColours(customMode);
    }
    if (desktop_.chooseColour(owner, chosen, CustomColours, flags)) {
        colour = chosen;
        return true;
    }
    colour = NoColour;
    return false;
}
