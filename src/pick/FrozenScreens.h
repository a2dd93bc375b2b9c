#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <functional>

class QScreen;

// The screens' pixels as they were when picking first needed them, read from the X server with
// windows' shaped holes and all, in square tiles as the pointer reaches them: reading every
// screen at once would cost more the larger the screens. A tile is read before the loupe may
// lie on it and kept from then on: a live read would see the loupe itself, or windows the
// loupe just uncovered before they repaint.
class FrozenScreens {
  public:
    static constexpr int Tile = 64; // device pixels a side

    // Reads areas of the screen in device pixels, all in one go; pixels on no screen are black.
    using Reader = std::function<QList<QImage>(const QList<QRect>&)>;
    explicit FrozenScreens(Reader read);
    // Reads the X server's screen.
    FrozenScreens();

    // The screen under a pointer at `logical` (Qt's global coordinates), else the primary one.
    static QScreen* screenAt(QPointF logical);
    // The screen showing device pixel `native`, if any.
    static QScreen* screenWithPixel(QPoint native);
    // The device pixel under a pointer at `logical`, and back to the middle of a device pixel.
    static QPoint nativeAt(QPointF logical);
    static QPointF logicalAt(QPoint native);
    // The device pixels a window at `logical` covers, with a pixel to spare for rounding.
    static QRect nativeRectOf(const QRect& logical);

    // The square of side 2 * radius + 1 device pixels centred on `native`; pixels on no screen
    // are black. `cover`, where the loupe goes next, is read too if it was not yet, so that
    // what the loupe hides and later uncovers is known as it was.
    QImage around(QPoint native, int radius, const QRect& cover = QRect());
    // How many device pixels have been read so far.
    qint64 pixelsRead() const { return pixelsRead_; }

  private:
    void hold(const QRect& wanted, const QRect& cover);
    QRgb pixel(QPoint native) const;

    Reader read_;
    QHash<quint64, QImage> tiles_; // by tileKey()
    qint64 pixelsRead_ = 0;
};
