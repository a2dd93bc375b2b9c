#include "colour/ColourPicking.h"

#include "platform/DesktopServices.h"

namespace modColors {

std::array<ColourValue, 16> CustomColours{};
bool CustomColoursReady = false;

namespace {
// Hook and template flags (16 and 32) never reach the dialog.
constexpr unsigned WithoutHookAndTemplate = 0xFFFFFFCFu;
} // namespace

void InitCustomColours(std::uint8_t mode) {
    DesktopServices* desktop = Desktop();
    if (mode == 1) {
        for (int i = 0; i < 16; ++i) {
            CustomColours[static_cast<std::size_t>(i)] = desktop ? desktop->sysColor(i) : 0;
        }
    } else {
        for (int i = 15; i >= 0; --i) {
            CustomColours[static_cast<std::size_t>(i)] = RGB(16 * i, 16 * i, 16 * i);
        }
    }
    CustomColoursReady = true;
}

unsigned ColourDialogFlags(bool fullOpen, bool anyColour, bool preventFullOpen) {
    const unsigned flags = (anyColour ? DesktopServices::CcAnyColor : DesktopServices::CcSolidColor) |
                           DesktopServices::CcRgbInit | (fullOpen ? DesktopServices::CcFullOpen : 0u) |
                           (preventFullOpen ? DesktopServices::CcPreventFullOpen : 0u);
    return flags & WithoutHookAndTemplate;
}

bool PickColour(ColourValue& colour, bool fullOpen, bool anyColour, bool preventFullOpen, QWidget* owner,
                std::uint8_t customMode) {
    std::int32_t chosen = ResolveColour(colour);
    const unsigned flags = ColourDialogFlags(fullOpen, anyColour, preventFullOpen);
    if (!CustomColoursReady) {
        InitCustomColours(customMode);
    }
    DesktopServices* desktop = Desktop();
    if (desktop != nullptr && desktop->chooseColour(owner, chosen, CustomColours, flags)) {
        colour = chosen;
        return true;
    }
    colour = NoColour;
    return false;
}

} // namespace modColors
