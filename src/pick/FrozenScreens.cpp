#include "pick/FrozenScreens.h"

#include "pick/ScreenRegion.h"
#include "pick/X11Pixels.h"

#include <QGuiApplication>
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

// The tile holding device pixel `native`, counted from the origin in whole tiles.
QPoint tileOf(QPoint native) {
    const auto index = [](int v) { return static_cast<int>(std::floor(v / double(FrozenScreens::Tile))); };
    return {index(native.x()), index(native.y())};
}

quint64 tileKey(QPoint tile) {
    return (static_cast<quint64>(static_cast<quint32>(tile.x())) << 32) | static_cast<quint32>(tile.y());
}

QRect tileArea(QPoint tile) {
    return {tile * FrozenScreens::Tile, QSize(FrozenScreens::Tile, FrozenScreens::Tile)};
}
} // namespace

FrozenScreens::FrozenScreens(Reader read) : read_(std::move(read)) {}

FrozenScreens::FrozenScreens() : FrozenScreens(x11Pixels::read) {}

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

QRect FrozenScreens::nativeRectOf(const QRect& logical) {
    const QScreen* screen = screenAt(logical.center());
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const QPoint first = screenRegion::nativeOf(logical.topLeft(), origin, ratio);
    const QPoint past = screenRegion::nativeOf(
        QPointF(logical.topLeft() + QPoint(logical.width(), logical.height())), origin, ratio);
    return QRect(first, past).adjusted(-1, -1, 1, 1);
}

void FrozenScreens::hold(const QRect& wanted, const QRect& cover) {
    QList<QPoint> missing;
    for (const QRect& area : {wanted, cover}) {
        if (area.isEmpty()) {
            continue;
        }
        const QPoint first = tileOf(area.topLeft());
        const QPoint last = tileOf(area.bottomRight());
        for (int ty = first.y(); ty <= last.y(); ++ty) {
            for (int tx = first.x(); tx <= last.x(); ++tx) {
                const QPoint tile(tx, ty);
                if (!tiles_.contains(tileKey(tile)) && !missing.contains(tile)) {
                    missing.append(tile);
                }
            }
        }
    }
    if (missing.isEmpty()) {
        return;
    }
    QList<QRect> areas;
    for (const QPoint& tile : missing) {
        areas.append(tileArea(tile));
    }
    const QList<QImage> images = read_(areas);
    for (qsizetype i = 0; i < missing.size() && i < images.size(); ++i) {
        tiles_.insert(tileKey(missing[i]), images[i].convertToFormat(QImage::Format_RGB32));
        pixelsRead_ += qint64(Tile) * Tile;
    }
}

QRgb FrozenScreens::pixel(QPoint native) const {
    const QPoint tile = tileOf(native);
    const auto found = tiles_.constFind(tileKey(tile));
    if (found == tiles_.constEnd()) {
        return qRgb(0, 0, 0);
    }
    return found->pixel(native - tile * Tile);
}

QImage FrozenScreens::around(QPoint native, int radius, const QRect& cover) {
    const int side = 2 * radius + 1;
    const QRect wanted(native - QPoint(radius, radius), QSize(side, side));
    // Both in one read, while the loupe still lies elsewhere.
    hold(wanted, cover);
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::black);
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = wanted & nativeBounds(*screen);
        for (int y = shown.top(); y <= shown.bottom(); ++y) {
            auto* target = reinterpret_cast<QRgb*>(square.scanLine(y - wanted.top()));
            for (int x = shown.left(); x <= shown.right(); ++x) {
                target[x - wanted.left()] = pixel({x, y});
            }
        }
    }
    return square;
}
