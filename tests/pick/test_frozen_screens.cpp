// What the own X11 picker reads of the screen, against a stand-in screen on which the loupe
// leaves its picture wherever it has been (as over a window that does not repaint): the
// loupe shows neither itself nor what it left, reads never include the loupe, and only the
// pixels near the pointer and under the loupe are read, not whole screens.
#include "pick/FrozenScreens.h"
#include "pick/Loupe.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// A screen whose every pixel tells where it is; the loupe paints in a colour it never has.
struct StandInScreen {
    QImage pixels;
    QRect loupe; // where the loupe lies now, in device pixels
    int readsOverLoupe = 0;
    static constexpr QRgb LoupeColour = 0xffff00ff;

    explicit StandInScreen(QSize size) : pixels(size, QImage::Format_RGB32) {
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                pixels.setPixel(x, y, truth({x, y}));
            }
        }
    }
    static QRgb truth(QPoint p) { return qRgb(p.x() % 256, p.y() % 256, p.x() / 256); }

    QList<QImage> read(const QList<QRect>& areas) {
        QList<QImage> images;
        for (const QRect& area : areas) {
            readsOverLoupe += area.intersects(loupe) ? 1 : 0;
            QImage image(area.size(), QImage::Format_RGB32);
            image.fill(Qt::black);
            for (int y = 0; y < area.height(); ++y) {
                for (int x = 0; x < area.width(); ++x) {
                    const QPoint at = area.topLeft() + QPoint(x, y);
                    if (pixels.rect().contains(at)) {
                        image.setPixel(x, y, pixels.pixel(at));
                    }
                }
            }
            images.append(image);
        }
        return images;
    }
    // The loupe moves; where it was keeps its picture until something repaints it.
    void moveLoupe(const QRect& to) {
        loupe = to & pixels.rect();
        for (int y = loupe.top(); y <= loupe.bottom(); ++y) {
            for (int x = loupe.left(); x <= loupe.right(); ++x) {
                pixels.setPixel(x, y, LoupeColour);
            }
        }
    }
};

TEST(FrozenScreens, TheLoupeNeverSeesItselfAndWholeScreensAreNotRead) {
    QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    ASSERT_EQ(primary->devicePixelRatio(), 1.0);
    const QRect bounds = primary->geometry();
    StandInScreen screen(bounds.size());
    FrozenScreens frozen([&screen](const QList<QRect>& areas) { return screen.read(areas); });

    // The pointer starts somewhere, moves into where the loupe was, walks a pixel at a time
    // across the loupe's old places, jumps into each corner (where the loupe turns to the
    // other side) and back.
    QList<QPoint> pointers = {{200, 150}, {265, 225}, {240, 190}, {300, 260}};
    for (int step = 0; step < 120; ++step) {
        pointers.append(QPoint(230 + step, 200 + step / 2));
    }
    const QPoint last = bounds.bottomRight();
    pointers +=
        {{0, 0}, {last.x(), 0}, {last.x() - 60, 40}, last, last - QPoint(70, 90), {0, last.y()}, {3, 2}};
    const int side = 2 * Loupe::Radius + 1;
    for (const QPoint& pointer : pointers) {
        const QRect cover = FrozenScreens::nativeRectOf(
            QRect(Loupe::placeBeside(QPointF(pointer) + QPointF(0.5, 0.5), bounds), Loupe::loupeSize()));
        const QImage square = frozen.around(pointer, Loupe::Radius, cover);
        screen.moveLoupe(cover);
        ASSERT_EQ(square.size(), QSize(side, side));
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QPoint at = pointer + QPoint(x - Loupe::Radius, y - Loupe::Radius);
                const QRgb expected = bounds.contains(at) ? StandInScreen::truth(at) : qRgb(0, 0, 0);
                ASSERT_EQ(square.pixel(x, y), expected) << "pointer " << pointer.x() << ", " << pointer.y()
                                                        << ": pixel " << at.x() << ", " << at.y();
            }
        }
        // The picked pixel itself, as a click asks for it.
        ASSERT_EQ(frozen.around(pointer, 0).pixel(0, 0), StandInScreen::truth(pointer));
    }
    EXPECT_EQ(screen.readsOverLoupe, 0);
    // The walk touched many places, yet less than the screen was read.
    EXPECT_GT(frozen.pixelsRead(), 0);
    EXPECT_LT(frozen.pixelsRead(), qint64(bounds.width()) * bounds.height());
}

// A pointer at its first place reads only the tiles round it and under the loupe, however
// large the screen.
TEST(FrozenScreens, AppearingReadsOnlyNearThePointer) {
    int reads = 0;
    qint64 pixels = 0;
    FrozenScreens frozen([&](const QList<QRect>& areas) {
        ++reads;
        QList<QImage> images;
        for (const QRect& area : areas) {
            pixels += qint64(area.width()) * area.height();
            QImage image(area.size(), QImage::Format_RGB32);
            image.fill(Qt::gray);
            images.append(image);
        }
        return images;
    });
    const QRect cover = FrozenScreens::nativeRectOf(
        QRect(Loupe::placeBeside({100.5, 100.5}, QRect(0, 0, 800, 600)), Loupe::loupeSize()));
    frozen.around({100, 100}, Loupe::Radius, cover);
    EXPECT_EQ(reads, 1);
    const int tile = FrozenScreens::Tile;
    // The square round the pointer and the loupe beside it span at most 3 x 4 tiles.
    EXPECT_LE(pixels, qint64(12) * tile * tile);
    frozen.around({101, 100}, Loupe::Radius, cover.translated(1, 0));
    frozen.around({100, 100}, 0);
    EXPECT_EQ(reads, 1) << "what was read once is kept";
}

} // namespace
