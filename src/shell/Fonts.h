#pragma once

#include <QFont>

// The window's two faces: a proportional sans for captions and a fixed-pitch face for codes.
// Sizes are in points as designed (8.25 for ordinary captions).
QFont uiFont(double points, bool bold = false, bool underline = false, bool mono = false);
