#pragma once

#include <QFont>

// The window's two faces: a proportional sans for captions and a fixed-pitch face for codes.
// Sizes are in points as designed (8.25 for ordinary captions).
QFont uiFont(double points, bool bold = false, bool underline = false, bool mono = false);

// The font narrowed, at the same height, just enough for the text to fit the width in pixels;
// the font itself when the text fits already.
QFont narrowedToFit(QFont font, const QString& text, int width);
