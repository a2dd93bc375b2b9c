// How the labels look: the desktop's text colour where the layout names none, and a border
// that comes and goes round a label's text without moving it.
#include "platform/QtDesktopServices.h"
#include "shell/WindowExtras.h"
#include "support/WindowFixture.h"

#include <QImage>
#include <QTest>
#include <cmath>

namespace {

// The relative luminance contrast of two colours, 1 (none) to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

QPalette themed(const QColor& window, const QColor& text) {
    QPalette p;
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
        p.setColor(role, window);
    }
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        p.setColor(role, text);
    }
    return p;
}

class LabelLooksTest : public WindowTest {
  protected:
    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setPalette(before_);
    }
    QPalette before_ = QApplication::palette();
};

const char* const Unnamed[] = {"lblD",      "lblH",    "lblBold",   "Label1",
                               "lblHRight", "lblLeft", "lblBottom", "lblHBottom"};

struct Designed {
    const char* name;
    QColor colour;
};
const Designed Named[] = {
    {"lblR", QColor(255, 0, 0)},
    {"lblG", QColor(0, 192, 0)},
    {"lblL", QColor(255, 255, 255)},
    {"lblC", QColor(128, 255, 255)},
    {"lblURL", QColor(0, 0, 255)},
    {"lblTag(1)", QColor(0, 0, 0)},
    {"lblNColor(0)", QColor(255, 255, 192)},
    {"lblStandartColor(0)", QColor(255, 255, 255)},
};

TEST_F(LabelLooksTest, LabelsWithoutAColourOfTheirOwnFollowTheDesktopTheme) {
    const QPalette dark = themed(QColor(45, 45, 48), QColor(230, 230, 230));
    const QPalette light = themed(QColor(239, 239, 239), QColor(20, 20, 20));
    QApplication::setPalette(dark);
    QtDesktopServices real;
    frmTintwell window(*store, real);
    // Panels built after start-up take the theme as it is then, and follow the next one.
    window.buildExtraPanels();
    for (const QPalette& theme : {dark, light}) {
        QApplication::setPalette(theme); // the second one arrives while the window runs
        QApplication::processEvents();
        const QColor text = theme.color(QPalette::ButtonText);
        for (const char* name : Unnamed) {
            auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_NE(label, nullptr) << name;
            const QColor shown = label->palette().color(QPalette::WindowText);
            EXPECT_EQ(shown, text) << name;
            const QColor under = label->parentWidget()->palette().color(QPalette::Window);
            EXPECT_GE(contrast(shown, under), 4.5) << name;
        }
        for (const Designed& d : Named) {
            auto* label = window.findChild<QLabel*>(QString::fromLatin1(d.name));
            ASSERT_NE(label, nullptr) << d.name;
            EXPECT_EQ(label->palette().color(QPalette::WindowText), d.colour) << d.name;
        }
    }
}

// The part of the window a widget covers, as painted.
QImage painted(QWidget* window, const QRect& area) {
    return window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// The share of a line of pixels in the given colour.
double share(const QImage& image, const QColor& colour, bool row, int at) {
    const int length = row ? image.width() : image.height();
    int hits = 0;
    for (int i = 0; i < length; ++i) {
        hits += image.pixelColor(row ? i : at, row ? at : i) == colour ? 1 : 0;
    }
    return double(hits) / length;
}

TEST_F(LabelLooksTest, SwitchingABorderKeepsTheTextInPlaceAndTheWholeFrameInSight) {
    open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->extras.lblCMix_MouseUp(1, 1); // the full view, where "Bold" is shown
    struct Case {
        FormLabel* label;
        std::function<void()> toggle;
        std::vector<QWidget*> neighbours;
    };
    const Case cases[] = {
        {form->lblH,
         [this] { QTest::mouseClick(form->lblH, Qt::RightButton); },
         {form->txtHex, form->txtDec, form->lblCMix, form->fraVSB}},
        {form->lblBold,
         [this] { QTest::mouseClick(form->lblBold, Qt::LeftButton); },
         {form->cboStore, form->cmdStoreTag}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label->objectName().toStdString());
        for (int round = 0; round < 2; ++round) {
            const int border = c.label->borderStyle();
            const QRect place = c.label->geometry();
            const QRect text = c.label->contentsRect().translated(place.topLeft());
            const QImage glyph = painted(form.get(), text);
            c.toggle();
            QApplication::processEvents();
            ASSERT_NE(c.label->borderStyle(), border);
            EXPECT_EQ(c.label->geometry(), place);
            EXPECT_EQ(painted(form.get(), text), glyph) << "the text moved";
            if (c.label->borderStyle() == 1) {
                const QImage framed = painted(form.get(), place);
                const QColor line = c.label->palette().color(QPalette::WindowText);
                for (bool row : {true, false}) {
                    const int last = (row ? framed.height() : framed.width()) - 1;
                    EXPECT_EQ(share(framed, line, row, 0), 1.0) << (row ? "top" : "left");
                    EXPECT_EQ(share(framed, line, row, last), 1.0) << (row ? "bottom" : "right");
                }
            }
            for (QWidget* n : c.neighbours) {
                EXPECT_FALSE(place.intersects(n->geometry())) << n->objectName().toStdString();
            }
        }
    }
}

// Captions in a colour of their own read on light and dark desktops: where the colour is faint
// against the window, a halo stands out from it round letters that keep their colour.
TEST_F(LabelLooksTest, FaintCaptionsGetAHaloAndKeepTheirColour) {
    const Designed captions[] = {{"lblR", QColor(255, 0, 0)},     {"lblG", QColor(0, 192, 0)},
                                 {"lblB", QColor(0, 0, 255)},     {"lblL", QColor(255, 255, 255)},
                                 {"lblC", QColor(128, 255, 255)}, {"lblT", QColor(128, 255, 128)}};
    for (const QColor& window : {QColor(239, 239, 239), QColor(53, 53, 53)}) {
        QApplication::setPalette(themed(window, window.lightness() > 128 ? Qt::black : Qt::white));
        open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        for (const Designed& d : captions) {
            SCOPED_TRACE(std::string(d.name) + " on " + window.name().toStdString());
            auto* label = form->findChild<FormLabel*>(QString::fromLatin1(d.name));
            ASSERT_NE(label, nullptr);
            const QImage shot = painted(form.get(), QRect(label->mapTo(form.get(), QPoint()), label->size()));
            // Letters in their designed colour, and pixels that stand out from the window.
            int letters = 0;
            int visible = 0;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = 0; x < shot.width(); ++x) {
                    letters += shot.pixelColor(x, y) == d.colour ? 1 : 0;
                    visible += contrast(shot.pixelColor(x, y), window) >= 3.0 ? 1 : 0;
                }
            }
            EXPECT_GT(letters, 3) << "the letters keep their designed colour";
            EXPECT_GE(visible, letters) << "the caption does not stand out from the window";
        }
        close();
    }
}

} // namespace
