#include "pick/ScreenRegion.h"

#include <cmath>

QPoint screenRegion::nativeOf(QPointF logical, QPoint origin, qreal ratio) {
    // A ratio times a whole number is off by a hair in binary; the hair must not cost a pixel.
    constexpr double Hair = 1e-6;
    const QPointF scaled = (logical - QPointF(origin)) * ratio;
    return origin + QPoint(static_cast<int>(std::floor(scaled.x() + Hair)),
                           static_cast<int>(std::floor(scaled.y() + Hair)));
}

QPointF screenRegion::logicalOf(QPoint native, QPoint origin, qreal ratio) {
    return QPointF(origin) + (QPointF(native - origin) + QPointF(0.5, 0.5)) / ratio;
}
