#pragma once

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QPointF>

class QScreen;

// The screens' pixels as they were when picking began, read from the X server with windows'
// shaped holes and all. Read once per screen, before the loupe can lie on it: a live read
// would see the loupe itself, or windows the loupe just uncovered before they repaint.
class FrozenScreens {
  public:
    // The screen under a pointer at `logical` (Qt's global coordinates), else the primary one.
    static QScreen* screenAt(QPointF logical);
    // The screen showing device pixel `native`, if any.
    static QScreen* screenWithPixel(QPoint native);
    // The device pixel under a pointer at `logical`, and back to the middle of a device pixel.
    static QPoint nativeAt(QPointF logical);
    static QPointF logicalAt(QPoint native);

    // Reads `screen` now, unless it was read already.
    void freeze(QScreen* screen);
    // The square of side 2 * radius + 1 device pixels centred on `native`; pixels on no screen
    // are black. Reads the screens it touches that were not read yet.
    QImage around(QPoint native, int radius);

  private:
    QHash<QScreen*, QImage> images_;
};
