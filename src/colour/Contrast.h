#pragma once

#include "colour/modColors.h"

#include <QString>

// Contrast of text on a background, by the WCAG 2.x definition of relative luminance.
namespace contrast {

// 0 for black up to 1 for white.
double relativeLuminance(modColors::ColourValue colour);

// (lighter + 0.05) / (darker + 0.05): 1 up to 21, whichever colour is the lighter.
double ratio(modColors::ColourValue a, modColors::ColourValue b);

// The level a ratio meets for normal text: "AAA" from 7, "AA" from 4.5, "AA Large" from 3
// (enough only for large text), else "fails AA".
QString level(double ratio);

// "Contrast 4.6:1 (AA)". The ratio is cut, not rounded, to one decimal, so that a pair just
// short of a level never reads as reaching it.
QString describe(modColors::ColourValue text, modColors::ColourValue background);

} // namespace contrast
