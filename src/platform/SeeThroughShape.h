#pragma once

#include <QRegion>

class QWidget;

// Gives a top-level window a shape that is see-through outside it on every desktop. The
// shape always cuts the input region. On X11 it cuts the pixels as well; a Wayland compositor
// only blends by alpha, so there the window is made translucent, paints its own background
// inside the shape and clears everything outside it, children included.
namespace seeThrough {

// Whether outside the shape the pixels must be cleared by alpha (native Wayland).
bool clearsByAlpha();

// Cuts the shape; `byAlpha` clears outside it as well (pass clearsByAlpha()). The first call
// with `byAlpha` must come before the window is first shown: translucency is chosen when the
// platform window is created.
void setShape(QWidget* window, const QRegion& shape, bool byAlpha);

} // namespace seeThrough
