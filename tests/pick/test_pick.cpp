// Picking from the screen, the parts that need no screen: the portal's answers, device pixels
// against Qt's coordinates, the loupe's place and picture, and where no picker can work.
#include "pick/Loupe.h"
#include "pick/PortalAnswer.h"
#include "pick/ScreenPick.h"
#include "pick/ScreenRegion.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using modColors::RGB;

namespace {

TEST(PortalAnswer, ResponsesBecomeOutcomes) {
    using Rgb = portalAnswer::Rgb;
    struct Case {
        unsigned response;
        std::optional<Rgb> colour;
        PickOutcome::Kind kind;
        modColors::ColourValue value;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {0, Rgb{0.2, 0.4, 0.8}, PickOutcome::Picked, RGB(51, 102, 204)},
        {0, Rgb{0, 0, 0}, PickOutcome::Picked, RGB(0, 0, 0)},
        {0, Rgb{1, 1, 1}, PickOutcome::Picked, RGB(255, 255, 255)},
        // Halfway between two codes rounds up; a little off sRGB is clipped.
        {0, Rgb{0.5 / 255, 127.5 / 255, 254.4 / 255}, PickOutcome::Picked, RGB(1, 128, 254)},
        {0, Rgb{-0.1, 1.2, 0.999}, PickOutcome::Picked, RGB(0, 255, 255)},
        {0, Rgb{nan, 0, 0}, PickOutcome::Failed, modColors::NoColour},
        {0, std::nullopt, PickOutcome::Failed, modColors::NoColour},
        {1, std::nullopt, PickOutcome::Cancelled, modColors::NoColour},
        {1, Rgb{1, 0, 0}, PickOutcome::Cancelled, modColors::NoColour},
        {2, Rgb{1, 0, 0}, PickOutcome::Failed, modColors::NoColour},
        {7, std::nullopt, PickOutcome::Failed, modColors::NoColour},
    };
    for (const Case& c : cases) {
        const PickOutcome outcome = portalAnswer::outcomeOf(c.response, c.colour);
        EXPECT_EQ(outcome.kind, c.kind) << "response " << c.response;
        EXPECT_EQ(outcome.colour, c.value) << "response " << c.response;
        EXPECT_EQ(outcome.message.isEmpty(), c.kind != PickOutcome::Failed) << "response " << c.response;
    }
    EXPECT_EQ(portalAnswer::requestPath(QStringLiteral(":1.42"), QStringLiteral("tintwell7")),
              QStringLiteral("/org/freedesktop/portal/desktop/request/1_42/tintwell7"));
}

// Every device pixel of a stretch of screen is reached from the middle of the pixel and from
// the corner Qt reports for it, at whole and fractional ratios, on screens that do not start
// at 0.
TEST(ScreenRegion, EveryPixelMapsBackToItself) {
    for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        for (const QPoint origin : {QPoint(0, 0), QPoint(640, 0), QPoint(1366, 768)}) {
            for (int step = 0; step < 300; ++step) {
                const QPoint native = origin + QPoint(step, 2 * step + 1);
                const QPointF middle = screenRegion::logicalOf(native, origin, ratio);
                ASSERT_EQ(screenRegion::nativeOf(middle, origin, ratio), native) << ratio << " at " << step;
                const QPointF corner = QPointF(origin) + QPointF(native - origin) / ratio;
                ASSERT_EQ(screenRegion::nativeOf(corner, origin, ratio), native) << ratio << " at " << step;
            }
        }
    }
}

TEST(Loupe, SitsBesideThePointerInsideTheScreenAndNeverOverItsPixels) {
    const QRect screen(640, 0, 800, 600);
    const QSize size = Loupe::loupeSize();
    const QPointF pointers[] = {{700, 100}, {1430, 100}, {700, 590}, {1439.5, 599.5}, {640, 0}};
    for (const QPointF& pointer : pointers) {
        const QRect loupe(Loupe::placeBeside(pointer, screen), size);
        EXPECT_TRUE(screen.contains(loupe)) << pointer.x() << ", " << pointer.y();
        // The pixels it shows, at the largest ratio a pixel could be.
        const QRectF shown(pointer - QPointF(Loupe::Radius + 1, Loupe::Radius + 1),
                           QSizeF(2 * Loupe::Radius + 2, 2 * Loupe::Radius + 2));
        EXPECT_FALSE(QRectF(loupe).intersects(shown)) << pointer.x() << ", " << pointer.y();
    }
}

TEST(Loupe, DrawsEachPixelAsASquareAndFramesTheCentre) {
    const int side = 2 * Loupe::Radius + 1;
    QImage pixels(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            pixels.setPixel(x, y, qRgb(20 * x, 20 * y, 100));
        }
    }
    QImage picture(Loupe::loupeSize(), QImage::Format_RGB32);
    QPainter painter(&picture);
    Loupe::paintLoupe(painter, pixels);
    painter.end();
    const int zoom = Loupe::Zoom;
    // Every cell's middle, and the corners of a cell away from the frame.
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            ASSERT_EQ(picture.pixel(1 + x * zoom + zoom / 2, 1 + y * zoom + zoom / 2), pixels.pixel(x, y))
                << x << ", " << y;
        }
    }
    EXPECT_EQ(picture.pixel(1 + 2 * zoom, 1 + 2 * zoom), pixels.pixel(2, 2));
    EXPECT_EQ(picture.pixel(zoom, zoom), pixels.pixel(0, 0));
    const int centre = 1 + Loupe::Radius * zoom;
    EXPECT_EQ(picture.pixel(centre - 1, centre + 3), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(centre - 2, centre + 3), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(centre + zoom, centre + 3), qRgb(255, 255, 255));
    // The swatch under the cells shows the centre pixel's colour.
    EXPECT_EQ(picture.pixel(8, side * zoom + 10), pixels.pixel(Loupe::Radius, Loupe::Radius));
}

// On a platform with no screen to read and no portal on the bus, the outcome is told once,
// from the event loop, in one plain line.
TEST(PickFromScreen, NoPickerIsToldOnceLater) {
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tintwell-test-bus");
    qunsetenv("WAYLAND_DISPLAY");
    int calls = 0;
    PickOutcome told;
    pickFromScreen(nullptr, [&](const PickOutcome& outcome) {
        ++calls;
        told = outcome;
    });
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(told.kind, PickOutcome::Unavailable);
    EXPECT_EQ(told.colour, modColors::NoColour);
    EXPECT_FALSE(told.message.isEmpty());
    EXPECT_FALSE(told.message.contains(QLatin1Char('\n')));
    // Under a Wayland session it says what to install.
    qputenv("WAYLAND_DISPLAY", "wayland-test");
    calls = 0;
    pickFromScreen(nullptr, [&](const PickOutcome& outcome) {
        ++calls;
        told = outcome;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 5000));
    EXPECT_TRUE(told.message.contains(QLatin1String("xdg-desktop-portal-gnome")))
        << told.message.toStdString();
    qunsetenv("WAYLAND_DISPLAY");
}

} // namespace
