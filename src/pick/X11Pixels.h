#pragma once

#include <QImage>
#include <QList>
#include <QRect>

// Pixels of the X screen as it shows them now, windows' shaped holes and all, in the root
// window's device pixels.
namespace x11Pixels {

// Each area read in one round trip for all; pixels off the screen, or every pixel off X11 or
// in a pixel format without red, green and blue masks, are black.
QList<QImage> read(const QList<QRect>& areas);

} // namespace x11Pixels
