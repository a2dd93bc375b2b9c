#pragma once

#include "colour/modColors.h"

#include <QColor>

// Colour values as Qt colours. A system colour is resolved through `systemColours` first.
inline QColor toQColor(modColors::ColourValue colour,
                       const modColors::SystemColourLookup& systemColours = {}) {
    const modColors::ColourValue plain =
        colour == modColors::NoColour ? 0 : modColors::ResolveColour(colour, systemColours);
    return QColor(plain & 0xFF, (plain >> 8) & 0xFF, (plain >> 16) & 0xFF);
}

inline modColors::ColourValue fromQColor(const QColor& colour) {
    return modColors::RGB(colour.red(), colour.green(), colour.blue());
}
