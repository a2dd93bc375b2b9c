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
#include <vector>

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
        {0, std::nullopt, PickOutcome::NothingPicked, modColors::NoColour},
        {1, std::nullopt, PickOutcome::Cancelled, modColors::NoColour},
        {1, Rgb{1, 0, 0}, PickOutcome::Cancelled, modColors::NoColour},
        // Escape in the wlroots picker.
        {2, std::nullopt, PickOutcome::NothingPicked, modColors::NoColour},
        {2, Rgb{1, 0, 0}, PickOutcome::NothingPicked, modColors::NoColour},
        {7, std::nullopt, PickOutcome::NothingPicked, modColors::NoColour},
    };
    for (const Case& c : cases) {
        const PickOutcome outcome = portalAnswer::outcomeOf(c.response, c.colour);
        EXPECT_EQ(outcome.kind, c.kind) << "response " << c.response;
        EXPECT_EQ(outcome.colour, c.value) << "response " << c.response;
        EXPECT_EQ(outcome.message.isEmpty(),
                  c.kind == PickOutcome::Picked || c.kind == PickOutcome::Cancelled)
            << "response " << c.response;
    }
    // A colour that is there but no three numbers is a malformed answer, not a missing colour.
    EXPECT_FALSE(portalAnswer::colourIn({}).has_value());
    const QVariantMap textColour{{QStringLiteral("color"), QStringLiteral("#FF0000")}};
    EXPECT_EQ(portalAnswer::outcomeOf(0, portalAnswer::colourIn(textColour)).kind, PickOutcome::Failed);
    EXPECT_EQ(portalAnswer::requestPath(QStringLiteral(":1.42"), QStringLiteral("tintwell7")),
              QStringLiteral("/org/freedesktop/portal/desktop/request/1_42/tintwell7"));
}

// Each way the portal can lack a picker names what is missing, for the desktop in use.
TEST(PortalAnswer, MissingPiecesAreNamed) {
    using portalAnswer::Absence;
    struct Case {
        const char* error;
        Absence absence;
    };
    const Case errors[] = {
        {"org.freedesktop.DBus.Error.ServiceUnknown", Absence::NoPortal},
        {"org.freedesktop.DBus.Error.NameHasNoOwner", Absence::NoPortal},
        {"org.freedesktop.DBus.Error.Spawn.ChildExited", Absence::NoPortal},
        // The frontend runs, without the Screenshot interface.
        {"org.freedesktop.DBus.Error.InvalidArgs", Absence::NoPicker},
        {"org.freedesktop.DBus.Error.UnknownInterface", Absence::NoPicker},
        {"org.freedesktop.DBus.Error.NoReply", Absence::Silent},
    };
    for (const Case& c : errors) {
        EXPECT_EQ(portalAnswer::absenceOf(QString::fromLatin1(c.error)), c.absence) << c.error;
    }
    struct Text {
        Absence absence;
        const char* desktop;
        const char* detail;
        std::vector<const char*> contains;
        std::vector<const char*> lacks;
    };
    const char* wlroots = "xdg-desktop-portal-wlr together with xdg-desktop-portal-gtk";
    const Text texts[] = {
        {Absence::NoPortal,
         "GNOME",
         "",
         {"install xdg-desktop-portal with xdg-desktop-portal-gnome."},
         {"-kde"}},
        {Absence::NoPortal, "sway", "", {"install xdg-desktop-portal with", wlroots}, {"-gnome", "-kde"}},
        {Absence::NoPicker, "sway", "", {"runs but offers no colour picker", wlroots}, {"-gnome"}},
        {Absence::NoPicker, "Hyprland", "", {wlroots}, {}},
        {Absence::NoPicker, "ubuntu:GNOME", "", {"needs xdg-desktop-portal-gnome."}, {"-wlr"}},
        {Absence::NoPicker, "KDE", "", {"needs xdg-desktop-portal-kde."}, {"-wlr"}},
        {Absence::NoPicker, "", "", {"-gnome on GNOME", "-kde on KDE", wlroots}, {}},
        {Absence::OldPicker, "sway", "1", {"version 1", "newer xdg-desktop-portal"}, {"-wlr"}},
        {Absence::Silent,
         "sway",
         "Did not receive a reply",
         {"did not answer (Did not receive a reply)"},
         {}},
    };
    for (const Text& t : texts) {
        const QString text = portalAnswer::missingPiece(t.absence, QString::fromLatin1(t.desktop),
                                                        QString::fromLatin1(t.detail));
        EXPECT_TRUE(text.startsWith(QLatin1String("No colour picker here: "))) << text.toStdString();
        for (const char* part : t.contains) {
            EXPECT_TRUE(text.contains(QLatin1String(part))) << text.toStdString() << " lacks " << part;
        }
        for (const char* part : t.lacks) {
            EXPECT_FALSE(text.contains(QLatin1String(part))) << text.toStdString() << " has " << part;
        }
    }
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
    // Under a Wayland session it says what to install: the portal, as nothing answers on the bus.
    qputenv("WAYLAND_DISPLAY", "wayland-test");
    qputenv("XDG_CURRENT_DESKTOP", "sway");
    calls = 0;
    pickFromScreen(nullptr, [&](const PickOutcome& outcome) {
        ++calls;
        told = outcome;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 5000));
    EXPECT_TRUE(
        told.message.contains(QLatin1String("install xdg-desktop-portal with xdg-desktop-portal-wlr")))
        << told.message.toStdString();
    // A cancel before the answer is the one outcome told; a second cancel and a late one do nothing.
    calls = 0;
    const CancelPick cancel = pickFromScreen(nullptr, [&](const PickOutcome& outcome) {
        ++calls;
        told = outcome;
    });
    cancel();
    cancel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(told.kind, PickOutcome::Cancelled);
    cancel();
    EXPECT_EQ(calls, 1);
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("XDG_CURRENT_DESKTOP");
}

} // namespace
