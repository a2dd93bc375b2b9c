#include "pick/FrozenScreens.h"

#include "pick/ScreenRegion.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cmath>

namespace {
// The screen's device pixels, from the size Qt reports scaled back.
QRect nativeBounds(const QScreen& screen) {
    const QRect logical = screen.geometry();
    const qreal ratio = screen.devicePixelRatio();
    return {logical.topLeft(), QSize(static_cast<int>(std::lround(logical.width() * ratio)),
                                     static_cast<int>(std::lround(logical.height() * ratio)))};
}
} // namespace

QScreen* FrozenScreens::screenWithPixel(QPoint native) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (nativeBounds(*screen).contains(native)) {
            return screen;
        }
    }
    return nullptr;
}

QScreen* FrozenScreens::screenAt(QPointF logical) {
    const QPoint point(static_cast<int>(std::floor(logical.x())), static_cast<int>(std::floor(logical.y())));
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().contains(point)) {
            return screen;
        }
    }
    return QGuiApplication::primaryScreen();
}

QPoint FrozenScreens::nativeAt(QPointF logical) {
    const QScreen* screen = screenAt(logical);
    if (screen == nullptr) {
        return logical.toPoint();
    }
    return screenRegion::nativeOf(logical, screen->geometry().topLeft(), screen->devicePixelRatio());
}

QPointF FrozenScreens::logicalAt(QPoint native) {
    const QScreen* screen = screenWithPixel(native);
    if (screen == nullptr) {
        return native;
    }
    return screenRegion::logicalOf(native, screen->geometry().topLeft(), screen->devicePixelRatio());
}

void FrozenScreens::freeze(QScreen* screen) {
    if (screen == nullptr || images_.contains(screen)) {
        return;
    }
    // The whole screen, in device pixels, its first pixel at the screen's origin.
    QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    images_.insert(screen, image);
}

QImage FrozenScreens::around(QPoint native, int radius) {
    const int side = 2 * radius + 1;
    const QRect wanted(native - QPoint(radius, radius), QSize(side, side));
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::black);
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect bounds = nativeBounds(*screen);
        if (!bounds.intersects(wanted)) {
            continue;
        }
        freeze(screen);
        const QImage& image = images_[screen];
        const QRect source = wanted & QRect(bounds.topLeft(), image.size());
        for (int y = source.top(); y <= source.bottom(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y - bounds.top()));
            auto* target = reinterpret_cast<QRgb*>(square.scanLine(y - wanted.top()));
            for (int x = source.left(); x <= source.right(); ++x) {
                target[x - wanted.left()] = row[x - bounds.left()];
            }
        }
    }
    return square;
}
