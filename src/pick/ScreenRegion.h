#pragma once

#include <QPoint>
#include <QPointF>

// Screen pixels against Qt's device-independent coordinates. Qt keeps each screen's top-left
// corner in device pixels and scales only the distance from it, so a screen's pixel is found
// from its origin and its ratio alone.
namespace screenRegion {

// The device pixel under a pointer at `logical` on a screen with that origin and ratio.
QPoint nativeOf(QPointF logical, QPoint origin, qreal ratio);

// The middle of device pixel `native` in Qt's coordinates: it maps back to that pixel.
QPointF logicalOf(QPoint native, QPoint origin, qreal ratio);

} // namespace screenRegion
