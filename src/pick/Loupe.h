#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

// The magnifier beside the pointer while picking: the pixels round the pointer, each drawn as
// a square, the centre one framed, and that pixel's code underneath.
class Loupe : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Radius = 5; // 11 x 11 pixels
    static constexpr int Zoom = 8;   // Qt units per pixel shown
    static constexpr int Gap = 20;   // between the pointer and the loupe

    Loupe();

    // Shows `pixels` (a square of 2 * Radius + 1) and places the loupe beside `pointer`
    // (Qt's global coordinates), inside `screenArea`.
    void showAround(const QImage& pixels, QPointF pointer, const QRect& screenArea);
    QRgb centreColour() const;

    static QSize loupeSize();
    // Below right of the pointer, or left or above where the screen ends; never over the
    // pixels it shows.
    static QPoint placeBeside(QPointF pointer, const QRect& screenArea);
    static void paintLoupe(QPainter& painter, const QImage& pixels);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage pixels_;
};
