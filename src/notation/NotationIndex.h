#pragma once

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
} // namespace notation
