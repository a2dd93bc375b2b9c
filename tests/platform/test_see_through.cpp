#include "platform/PlatformStart.h"
#include "platform/SeeThroughShape.h"

#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
// A window whose only control, red, covers it all: what the hole clears must be cleared through it.
struct RedWindow {
    QWidget window;
    QLabel* control = new QLabel(&window);
    RedWindow() {
        window.resize(200, 100);
        control->setGeometry(window.rect());
        control->setAutoFillBackground(true);
        control->setStyleSheet(QStringLiteral("background: #ff0000"));
    }
    QImage picture() {
        QImage image(window.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        window.render(&image);
        return image;
    }
};

QRegion withHole(const QRect& hole) {
    return QRegion(0, 0, 200, 100).subtracted(QRegion(hole, QRegion::Ellipse));
}
} // namespace

TEST(SeeThroughShape, ClearsTheHoleByAlphaThroughTheControlsAndCutsItsInput) {
    RedWindow w;
    seeThrough::setShape(&w.window, withHole(QRect(40, 20, 60, 30)), true);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    // The hole moves: where it was is red again, where it is now is clear.
    seeThrough::setShape(&w.window, withHole(QRect(120, 40, 60, 30)), true);
    const QImage image = w.picture();
    EXPECT_EQ(qAlpha(image.pixel(150, 55)), 0);
    EXPECT_EQ(image.pixel(70, 35), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(121, 41), qRgb(255, 0, 0)) << "the hole's rounded corner";
    EXPECT_EQ(image.pixel(10, 90), qRgb(255, 0, 0));
    const QRegion input = w.window.windowHandle()->mask();
    EXPECT_FALSE(input.contains(QPoint(150, 55)));
    EXPECT_TRUE(input.contains(QPoint(70, 35)));
    EXPECT_TRUE(input.contains(QPoint(121, 41)));
    // The widget itself is not masked, or its painting would be clipped to the shape.
    EXPECT_TRUE(w.window.mask().isEmpty());
}

TEST(PlatformStart, TheNoDisplayLineSaysWhatWasTried) {
    struct Case {
        const char *platform, *display, *wayland;
        QStringList tried;
        const char* says;
    };
    const Case cases[] = {
        {"", "", "", {}, "tried the default platform)"},
        {"xcb", "", "", {QStringLiteral("xcb")}, "tried xcb with DISPLAY unset)"},
        {"", ":7", "", {QStringLiteral("xcb")}, "tried xcb with DISPLAY=:7)"},
        {"wayland", "", "gone", {QStringLiteral("wayland")}, "tried wayland with WAYLAND_DISPLAY=gone)"},
        {"wayland;xcb",
         ":1",
         "gone",
         {QStringLiteral("wayland"), QStringLiteral("xcb")},
         "tried wayland with WAYLAND_DISPLAY=gone, then xcb with DISPLAY=:1)"},
    };
    for (const Case& c : cases) {
        const QString line =
            platformStart::noDisplayLine(QString::fromUtf8(c.platform), QString::fromUtf8(c.display),
                                         QString::fromUtf8(c.wayland), c.tried);
        EXPECT_TRUE(line.contains(QString::fromUtf8(c.says))) << qPrintable(line);
        EXPECT_TRUE(line.endsWith(QStringLiteral("xvfb-run -a tintwell"))) << qPrintable(line);
        EXPECT_FALSE(line.contains(QLatin1Char('\n'))) << qPrintable(line);
    }
}
