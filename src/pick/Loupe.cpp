#include "pick/Loupe.h"

#include "colour/modColors.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int Side = 2 * Loupe::Radius + 1;
constexpr int CaptionHeight = 20;

QString codeOf(QRgb colour) {
    return modColors::ChannelsToHtml(static_cast<modColors::Channel>(qRed(colour)),
                                     static_cast<modColors::Channel>(qGreen(colour)),
                                     static_cast<modColors::Channel>(qBlue(colour)));
}
} // namespace

Loupe::Loupe()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("pickLoupe"));
    setWindowTitle(QStringLiteral("Pick a colour"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(loupeSize());
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    pixels_ = QImage(Side, Side, QImage::Format_RGB32);
    pixels_.fill(Qt::black);
}

QSize Loupe::loupeSize() {
    return {Side * Zoom + 2, Side * Zoom + 2 + CaptionHeight};
}

QPoint Loupe::placeBeside(QPointF pointer, const QRect& screenArea) {
    const QSize size = loupeSize();
    const int px = static_cast<int>(std::floor(pointer.x()));
    const int py = static_cast<int>(std::floor(pointer.y()));
    int x = px + Gap;
    int y = py + Gap;
    if (x + size.width() > screenArea.x() + screenArea.width()) {
        x = px - Gap - size.width();
    }
    if (y + size.height() > screenArea.y() + screenArea.height()) {
        y = py - Gap - size.height();
    }
    return {x, y};
}

void Loupe::showAround(const QImage& pixels, QPointF pointer, const QRect& screenArea) {
    pixels_ = pixels;
    const QPoint place = placeBeside(pointer, screenArea);
    if (pos() != place) {
        move(place);
    }
    update();
}

QRgb Loupe::centreColour() const {
    return pixels_.pixel(Radius, Radius);
}

void Loupe::paintLoupe(QPainter& painter, const QImage& pixels) {
    const QSize size = loupeSize();
    const QRect cells(1, 1, Side * Zoom, Side * Zoom);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    // Each pixel a sharp square: no smoothing between them.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(cells, pixels);
    // Black and white round the centre pixel, so the frame shows on any colour.
    const QRect centre(1 + Radius * Zoom, 1 + Radius * Zoom, Zoom, Zoom);
    painter.setPen(Qt::black);
    painter.drawRect(centre.adjusted(-2, -2, 1, 1));
    painter.setPen(Qt::white);
    painter.drawRect(centre.adjusted(-1, -1, 0, 0));
    const QRgb colour = pixels.pixel(Radius, Radius);
    const QRect caption(1, cells.bottom() + 1, cells.width(), size.height() - cells.height() - 2);
    const QRect swatch(caption.x() + 3, caption.y() + 3, caption.height() - 6, caption.height() - 6);
    painter.fillRect(swatch, QColor(colour));
    painter.setPen(Qt::white);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.drawText(caption.adjusted(swatch.width() + 6, 0, 0, 0), Qt::AlignCenter, codeOf(colour));
}

void Loupe::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintLoupe(painter, pixels_);
}
