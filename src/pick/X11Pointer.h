#pragma once

#include <QPoint>
#include <optional>

// The X pointer in whole device pixels. Qt gives and takes it in its own coordinates, which
// at a fractional scale factor round away a pixel. Both answer nothing / false off X11.
namespace x11Pointer {

// Where the pointer is now, in the root window's pixels.
std::optional<QPoint> pixel();

// Moves it by `pixels` from where it is.
bool nudge(QPoint pixels);

} // namespace x11Pointer
