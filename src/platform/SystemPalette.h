#pragma once

#include "colour/modColors.h"

#include <QColor>

// The classic display colours, read from the application's palette: each classic element
// index maps to the nearest palette role.
namespace systemPalette {

modColors::ColourValue colour(int index);

// A colour value as Qt draws it, a system colour resolved through the palette.
QColor qColour(modColors::ColourValue value);

} // namespace systemPalette
