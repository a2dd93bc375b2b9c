#pragma once

#include "colour/modColors.h"

#include <QString>

// Lightness contrast of text on a background by APCA-W3, version 0.0.98G-4g: the perceptual
// measure offered beside the WCAG 2 ratio, which misjudges dark backgrounds.
namespace apca {

// Screen luminance Y, 0 for black up to 1 for white. APCA takes each channel to the power 2.4,
// not through the piecewise sRGB curve that the WCAG ratio uses, so the two differ near black.
double screenLuminance(modColors::ColourValue colour);

// Lc from about -108 to 106: positive for dark text on a light background, negative for light
// text on a dark one; 0 when the pair is too close for text to be read at all (|Lc| below about 7).
// The order matters: the same two colours swapped give a different magnitude.
double lightnessContrast(modColors::ColourValue text, modColors::ColourValue background);

// "APCA Lc 63.0", "APCA Lc -68.5": always one decimal, cut toward zero like the WCAG ratio
// beside it, so a pair just short of a threshold (Lc 60, 75, 90) never reads as reaching it.
QString describe(modColors::ColourValue text, modColors::ColourValue background);

} // namespace apca
