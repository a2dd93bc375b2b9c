#pragma once

#include <array>

// The notations in the order of the notation list; the index is what the settings store keeps.
namespace notation {
enum Index {
    Number = 0,
    Html = 1,
    C = 2,
    QBColor = 3,
    VB = 4,
    Esc = 5,
    PovRay = 6,
    CssRgb = 7,
    CssHsl = 8,
    CssOklch = 9,
    CssHex = 10,
    CssHwb = 11,
    CssLab = 12,
    CssLch = 13,
    CssOklab = 14,
    CssDisplayP3 = 15
};

// Their names in the same order, as the notation list shows them and the command line takes them.
inline constexpr std::array<const char*, 16> Names{
    "Number",  "HTML",      "C",       "QBColor", "VB",      "{ESC}",   "POV-Ray",   "CSS rgb",
    "CSS hsl", "CSS oklch", "CSS hex", "CSS hwb", "CSS lab", "CSS lch", "CSS oklab", "CSS display-p3"};
} // namespace notation
