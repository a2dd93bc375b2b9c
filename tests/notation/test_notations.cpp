// The eleven notations of the current colour, "Not available", and copying.
#include "editor/ColourEditor.h"
#include "notation/Notations.h"
#include "notation/StandardColours.h"
#include "support/WindowFixture.h"

#include <QImage>
#include <QLocale>
#include <QTest>
#include <random>

using modColors::ColourValue;
using modColors::RGB;

namespace {

class NotationTest : public WindowTest {
  protected:
    frmTintwell& f() { return *form; }
    void choose(int notation) { f().cboWhat->setCurrentIndex(notation); }
};

struct ColourTexts {
    const char* name;
    ColourValue colour;
    std::array<const char*, 16> texts;
};

const ColourTexts Expected[] = {
    {"black",
     RGB(0, 0, 0),
     {"0", "#000000", "0x00000000", "QBColor( 0 )", "RGB(0 ,0 ,0)", "$e[30m", "0.000  0.000  0.000",
      "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "oklch(0% 0 none)", "#000", "hwb(none 0% 100%)", "lab(0 0 0)",
      "lch(0 0 none)", "oklab(0% 0 0)", "color(display-p3 0 0 0)"}},
    {"white",
     RGB(255, 255, 255),
     {"16777215", "#FFFFFF", "0x00FFFFFF", "QBColor( 15 )", "RGB(255 ,255 ,255)", "$e[37;1m",
      "1.000  1.000  1.000", "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "oklch(100% 0 none)", "#fff",
      "hwb(none 100% 0%)", "lab(100 0 0)", "lch(100 0 none)", "oklab(100% 0 0)", "color(display-p3 1 1 1)"}},
    {"red",
     RGB(255, 0, 0),
     {"255", "#FF0000", "0x000000FF", "QBColor( 12 )", "RGB(255 ,0 ,0)", "$e[31;1m", "1.000  0.000  0.000",
      "rgb(255, 0, 0)", "hsl(0, 100%, 50%)", "oklch(62.8% 0.2577 29.23)", "#f00", "hwb(0 0% 0%)",
      "lab(54.29 80.8 69.89)", "lch(54.29 106.84 40.86)", "oklab(62.8% 0.22486 0.12585)",
      "color(display-p3 0.9175 0.2003 0.1386)"}},
    {"orange",
     RGB(255, 128, 0),
     {"33023", "#FF8000", "0x000080FF", "Not available", "RGB(255 ,128 ,0)", "Not available",
      "1.000  0.502  0.000", "rgb(255, 128, 0)", "hsl(30, 100%, 50%)", "oklch(73.19% 0.1858 52.98)",
      "#ff8000", "hwb(30.1 0% 0%)", "lab(67.82 45.49 74.84)", "lch(67.82 87.58 58.71)",
      "oklab(73.19% 0.11186 0.14836)", "color(display-p3 0.9361 0.529 0.1987)"}},
    {"blue-ish",
     RGB(51, 102, 204),
     {"13395507", "#3366CC", "0x00CC6633", "Not available", "RGB(51 ,102 ,204)", "Not available",
      "0.200  0.400  0.800", "rgb(51, 102, 204)", "hsl(220, 60%, 50%)", "oklch(53.25% 0.1679 262.29)", "#36c",
      "hwb(220 20% 20%)", "lab(44.12 10.95 -59.09)", "lch(44.12 60.09 280.5)",
      "oklab(53.25% -0.02251 -0.16635)", "color(display-p3 0.2499 0.3952 0.7736)"}},
    {"grey",
     RGB(128, 128, 128),
     {"8421504", "#808080", "0x00808080", "QBColor( 8 )", "RGB(128 ,128 ,128)", "$e[30;1m",
      "0.502  0.502  0.502", "rgb(128, 128, 128)", "hsl(0, 0%, 50%)", "oklch(59.99% 0 none)", "#808080",
      "hwb(none 50.2% 49.8%)", "lab(53.59 0 0)", "lch(53.59 0 none)", "oklab(59.99% 0 0)",
      "color(display-p3 0.502 0.502 0.502)"}},
};
// The oklch texts are published reference values (the sRGB primaries, white, black, grey) or
// were computed apart from the program, from linear sRGB straight to the cone space; the hwb, lab,
// lch, oklab and display-p3 ones are an independent colour library's coordinates, rounded.

bool unavailable(const char* text) {
    return QLatin1String(text) == QLatin1String("Not available");
}

// Colour first, then the notation; and the notation first, then the colour: the same text,
// font, alignment and copy button either way, and the copy puts exactly that text out.
TEST_F(NotationTest, EveryColourInEveryNotation) {
    open();
    for (const ColourTexts& c : Expected) {
        for (int notation = 0; notation < 16; ++notation) {
            for (bool colourFirst : {true, false}) {
                SCOPED_TRACE(testing::Message()
                             << c.name << " notation " << notation << " colour first " << colourFirst);
                choose(notation == 0 ? 1 : 0);
                f().editor.ShowColour(RGB(1, 1, 1));
                if (colourFirst) {
                    f().editor.ShowColour(c.colour);
                    choose(notation);
                } else {
                    choose(notation);
                    f().editor.ShowColour(c.colour);
                }
                const QString text = QString::fromUtf8(c.texts[notation]);
                EXPECT_EQ(f().txtDec->text(), text);
                const bool small = notation == Notations::VB || notation >= Notations::PovRay;
                // The five newest notations' longest texts may take a point less.
                if (notation >= Notations::CssHwb) {
                    EXPECT_GE(f().txtDec->font().pointSizeF(), 7.0);
                    EXPECT_LE(f().txtDec->font().pointSizeF(), 8.0);
                } else {
                    EXPECT_EQ(f().txtDec->font().pointSizeF(), small ? 8.0 : 10.0);
                }
                EXPECT_EQ(f().txtDec->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
                EXPECT_TRUE(f().txtDec->isReadOnly());
                EXPECT_EQ(f().cmdSend->isEnabled(), !unavailable(c.texts[notation]));
                if (f().cmdSend->isEnabled()) {
                    const int writes = desktop.clipboardWrites;
                    f().cmdSend->click();
                    EXPECT_EQ(desktop.clipboard, text);
                    EXPECT_EQ(desktop.clipboardWrites, writes + 1);
                }
            }
        }
    }
}

// The leftmost and rightmost columns of the field that hold any of the text's ink.
std::pair<int, int> inkColumns(QWidget& field) {
    const QImage image = field.grab().toImage();
    const QRgb back = image.pixel(0, 0);
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) + 40 < qGray(back)) {
                first = std::min(first, x);
                last = x;
            }
        }
    }
    return {first, last};
}

// Every text is seen whole: the longest texts are drawn narrower at the same height, so
// neither end touches the field's edge; the short ones keep the font's own width.
TEST_F(NotationTest, WholeTextIsSeenInTheField) {
    open();
    const ColourValue colours[] = {RGB(0, 0, 27), RGB(64, 0, 255), RGB(255, 128, 0), RGB(255, 255, 255),
                                   RGB(0, 255, 254)};
    for (int notation = 0; notation < 16; ++notation) {
        for (ColourValue colour : colours) {
            SCOPED_TRACE(testing::Message() << "notation " << notation << " colour " << colour);
            choose(notation);
            f().editor.ShowColour(colour);
            const auto [first, last] = inkColumns(*f().txtDec);
            EXPECT_GE(first, 2);
            EXPECT_LT(last, f().txtDec->width() - 1);
            // Only the longest hsl and oklch texts and the five newest notations' are too long,
            // and they are never squeezed below readability.
            const int stretch = f().txtDec->font().stretch();
            const bool mayBeLong = notation == Notations::CssHsl || notation == Notations::CssOklch;
            const bool newer = notation >= Notations::CssHwb;
            if ((mayBeLong || newer) && stretch != QFont().stretch()) {
                EXPECT_GE(stretch, newer ? 50 : 65);
            } else {
                EXPECT_EQ(stretch, QFont().stretch());
            }
        }
    }
}

TEST_F(NotationTest, NotAvailableFollowsTheNotationAndTheColour) {
    open();
    f().editor.ShowColour(RGB(254, 0, 0));
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* text;
        bool sendEnabled;
    };
    const Step steps[] = {
        {"QBColor", [&] { choose(Notations::QBColor); }, "Not available", false},
        {"Number", [&] { choose(Notations::Number); }, "254", true},
        {"QBColor again", [&] { choose(Notations::QBColor); }, "Not available", false},
        {"red by its cell", [&] { emit f().lblStandartColor[12]->clicked(); }, "QBColor( 12 )", true},
        {"one step off", [&] { f().vsbColor[0]->setValue(254); }, "Not available", false},
        {"{ESC}", [&] { choose(Notations::Esc); }, "Not available", false},
        {"back to red by the slider", [&] { f().vsbColor[0]->setValue(255); }, "$e[31;1m", true},
        {"grey by its cell", [&] { emit f().lblStandartColor[8]->clicked(); }, "$e[30;1m", true},
        {"HTML", [&] { choose(Notations::Html); }, "#808080", true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(f().txtDec->text(), QString::fromUtf8(s.text));
        EXPECT_EQ(f().cmdSend->isEnabled(), s.sendEnabled);
    }
}

// Only the chosen notation's text is reset; the other keeps its last value until chosen.
TEST_F(NotationTest, OnlyTheChosenNotationBecomesNotAvailable) {
    open();
    choose(Notations::QBColor);
    f().editor.ShowColour(RGB(1, 2, 3));
    EXPECT_EQ(f().standard.QBColorText, QStringLiteral("Not available"));
    EXPECT_EQ(f().standard.EscText, QStringLiteral("$e[30;1m"));
    choose(Notations::Esc);
    EXPECT_EQ(f().standard.EscText, QStringLiteral("Not available"));
}

// Whatever the user does, the copy button is off exactly for QBColor and {ESC} of a colour
// that is none of the sixteen.
TEST_F(NotationTest, CopyButtonInvariantHoldsThroughRandomUse) {
    open();
    std::mt19937 random(7);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int step = 0; step < 400; ++step) {
        switch (pick(5)) {
        case 0:
            choose(pick(7));
            break;
        case 1:
            emit f().lblStandartColor[pick(16)]->clicked();
            break;
        case 2:
            f().vsbColor[pick(3)]->setValue(pick(2) ? 0 : (pick(2) ? 128 : 255));
            break;
        case 3:
            f().vsbDL->setValue(pick(256));
            break;
        default:
            f().txtHex->setText(QStringLiteral("%1").arg(pick(0x1000000), 6, 16, QLatin1Char('0')));
            break;
        }
        const ColourValue colour = f().lblCMix->backColour();
        bool standard = false;
        for (int i = 0; i < 16; ++i) {
            standard = standard || StandardColours::QBColor(i) == colour;
        }
        const int notation = f().cboWhat->currentIndex();
        const bool onlyStandard = notation == Notations::QBColor || notation == Notations::Esc;
        ASSERT_EQ(f().cmdSend->isEnabled(), !(onlyStandard && !standard)) << "step " << step;
        ASSERT_EQ(f().txtDec->text() == QStringLiteral("Not available"), onlyStandard && !standard);
        ASSERT_EQ(f().cmdColorName->isVisibleTo(&f()), standard);
    }
}

// While a code is only partly typed, HTML and C are built from the box as it stands. (With a
// standard colour current, picking a notation refreshes that colour and rewrites the box.)
TEST_F(NotationTest, PartlyTypedCodeIsShownAsItStands) {
    open();
    f().editor.ShowColour(RGB(1, 2, 3));
    f().txtHex->setText(QStringLiteral("FF8"));
    choose(Notations::Html);
    EXPECT_EQ(f().txtDec->text(), QStringLiteral("#FF8"));
    choose(Notations::C);
    EXPECT_EQ(f().txtDec->text(), QStringLiteral("0x00F88FF"));
    choose(Notations::Number);
    EXPECT_EQ(f().txtDec->text(), QString::number(RGB(1, 2, 3)));
}

// POV-Ray takes the decimal separator of the user's number settings, and only that.
TEST_F(NotationTest, PovRayUsesTheUsersDecimalSeparator) {
    struct Case {
        QLocale locale;
        const char* text;
    };
    const Case cases[] = {
        {QLocale(QLocale::German), "0,200  0,400  0,800"},
        {QLocale(QLocale::French), "0,200  0,400  0,800"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "0.200  0.400  0.800"},
        {QLocale(QLocale::Arabic, QLocale::Egypt), "0\u066B200  0\u066B400  0\u066B800"},
    };
    const QLocale saved;
    open();
    f().editor.ShowColour(RGB(51, 102, 204));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        QLocale::setDefault(c.locale);
        choose(Notations::Number);
        choose(Notations::PovRay);
        EXPECT_EQ(f().txtDec->text(), QString::fromUtf8(c.text));
    }
    QLocale::setDefault(saved);
}

TEST_F(NotationTest, CopyButtonPutsTheFieldOnTheClipboardWhenClicked) {
    open();
    f().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f()));
    choose(Notations::Html);
    QTest::mouseClick(f().cmdSend, Qt::LeftButton);
    EXPECT_EQ(desktop.clipboard, QStringLiteral("#808080"));
    EXPECT_EQ(f().cmdSend->text(), QStringLiteral("&To clipboard"));
    QStringList items;
    for (int i = 0; i < f().cboWhat->count(); ++i) {
        items << f().cboWhat->itemText(i);
    }
    EXPECT_EQ(items, (QStringList{"Number", "HTML", "C", "QBColor", "VB", "{ESC}", "POV-Ray", "CSS rgb",
                                  "CSS hsl", "CSS oklch", "CSS hex", "CSS hwb", "CSS lab", "CSS lch",
                                  "CSS oklab", "CSS display-p3"}));
    EXPECT_FALSE(f().cboWhat->isEditable());
}

} // namespace
