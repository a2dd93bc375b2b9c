// Reading colours as style sheets write them.
#include "colour/CssColourText.h"
#include "colour/CssNamedColours.h"

#include <QColor>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

using cssColour::Channels;
using cssColour::parseCssColour;

namespace {

std::string text(const std::optional<Channels>& c) {
    return c ? QStringLiteral("%1 %2 %3").arg((*c)[0]).arg((*c)[1]).arg((*c)[2]).toStdString() : "nothing";
}

TEST(CssColourText, WholeColoursAreRead) {
    const std::pair<const char*, Channels> cases[] = {
        {"#f80", {255, 136, 0}},
        {"#F80c", {255, 136, 0}},
        {"#FF8000", {255, 128, 0}},
        {"#ff800000", {255, 128, 0}},
        {" \t#123456\n", {0x12, 0x34, 0x56}},
        {"rgb(255, 128, 0)", {255, 128, 0}},
        {"rgb(255,128,0)", {255, 128, 0}},
        {"RGBA( 255 , 128 , 0 , 0.25 )", {255, 128, 0}},
        {"rgba(255, 128, 0, 25%)", {255, 128, 0}},
        {"rgb(100%, 50%, 0%)", {255, 128, 0}},
        {"rgb(255 128 0)", {255, 128, 0}},
        {"rgb(255 128 0 / .5)", {255, 128, 0}},
        {"rgba(255 128 0/50%)", {255, 128, 0}},
        {"rgb(100% 128 none)", {255, 128, 0}},
        {"rgb(127.4 127.5 1e2)", {127, 128, 100}},
        {"rgb(300 -20 +5)", {255, 0, 5}},
        {"rgb(\n1\n2\n3\n)", {1, 2, 3}},
        // Hue in degrees or any angle unit; saturation and lightness in percent.
        {"hsl(30, 100%, 50%)", {255, 128, 0}},
        {"hsla(30deg, 100%, 50%, 0.1)", {255, 128, 0}},
        {"hsl(180 100% 20%)", {0, 102, 102}},
        {"hsl(0.5turn 100% 20%)", {0, 102, 102}},
        {"hsl(200grad 100% 20%)", {0, 102, 102}},
        {"hsl(3.14159rad 100% 20%)", {0, 102, 102}},
        {"hsl(-150 100 25 / 1)", {0, 64, 128}},
        {"hsl(none 0% 50%)", {128, 128, 128}},
        {"hsl(120, 150%, 50%)", {0, 255, 0}},
        {"hsl(120, -10%, 50%)", {128, 128, 128}},
        {"hsl(390, 100%, 50%)", {255, 128, 0}},
        // Reference points of OKLCH: the sRGB primaries and white.
        {"oklch(62.8% 0.2577 29.23)", {255, 0, 0}},
        {"oklch(0.8664 0.2948 142.5)", {0, 255, 0}},
        {"OKLCH(45.2% 0.3132 264.05 / 0.5)", {0, 0, 255}},
        {"oklch(100% 0 none)", {255, 255, 255}},
        {"oklch(0% 0 0)", {0, 0, 0}},
        {"oklch(1 0 0)", {255, 255, 255}},
        // Beyond sRGB: clipped channel by channel.
        {"oklch(62.8% 64.425% 29.23)", {255, 0, 0}},
        {"oklch(120% 0 0)", {255, 255, 255}},
        // Chroma far beyond any screen, however large: clipped as it points, never an overflow to black.
        {"oklch(50% 1e300 30)", {255, 255, 0}},
        {"oklch(50% 1e10 30)", {255, 255, 0}},
        {"oklch(50% 0.5 30)", {255, 0, 0}},
        {"lab(50% 40 30)", {187, 88, 70}},
        // Far beyond any screen in the other spaces too (the same texts at 1e6, read by an
        // independent library, give these).
        {"lab(50 1e300 0)", {255, 0, 255}},
        {"lch(50 1e300 200)", {0, 255, 255}},
        {"oklab(0.5 -1e300 1e300)", {0, 255, 0}},
        {"color(xyz 1e300 0 -5)", {255, 0, 255}},
        {"color(srgb-linear 1e300 0.5 0)", {255, 188, 0}},
        {"color(a98-rgb 0.2 1e300 0.1)", {0, 255, 0}},
        {"color( display-p3 1 0 0 / none )", {255, 0, 0}},
        {"color(srgb 1 0 0)", {255, 0, 0}},
        {"RebeccaPurple", {0x66, 0x33, 0x99}},
        {"  GREY ", {128, 128, 128}},
    };
    for (const auto& [written, expected] : cases) {
        EXPECT_EQ(text(parseCssColour(QString::fromUtf8(written))), text(expected)) << written;
    }
}

TEST(CssColourText, AnythingElseIsNoColour) {
    const char* cases[] = {
        "",
        "#",
        "#12",
        "#12345",
        "#1234567",
        "#12345g",
        "# 123456",
        "123456",
        "f80",
        "rgb()",
        "rgb(1, 2)",
        "rgb(1, 2, 3, 4, 5)",
        "rgb(1 2)",
        "rgb(1 2 3 4)",
        "rgb(1, 2 3)",
        "rgb(1, 2%, 3)", // the comma syntax does not mix numbers and percentages
        "rgb(1, none, 3)",
        "rgb(1 2 3 /)",
        "rgb(1 2 3 / 4 / 5)",
        "rgb(1,2,3,)",
        "rgb(,1,2,3)",
        "rgb(1 2 3deg)",
        "rgb(1. 2 3)",
        "rgb (1 2 3)",
        "rgb(1 2 3",
        "rgb(1 2 3))",
        "rgb(1 2 3);",
        "rgb(a b c)",
        "rgbx(1 2 3)",
        "rgb(1 2 3 / none, 2)",
        "hsl(30, 100, 50)", // the comma syntax takes percentages only
        "hsl(30%, 100%, 50%)",
        "hsl(30px 100% 50%)",
        "hsla(30, 100%, 50%, none)",
        "oklch(0.5, 0.1, 30)",
        "oklch(0.5 0.1 30%)",
        "oklch(0.5 0.1)",
        "hwb(30, 10%, 20%)", // commas belong to rgb() and hsl()
        "lab(50 40deg 30)",
        "lch(50 30 40%)",
        "oklch(50% 0.1 30deg / 1 / 1)",
        "color(srgb)",
        "color()",
        "color(srgb 1 0)",
        "color(srgb 1 0 0 1)",
        "color(display-p3, 1, 0, 0)",
        "color(p3 1 0 0)",
        "color(xyz-d60 1 0 0)",
        "color(srgb 1 0 0deg)",
        "color(1 0 0)",
        "color (srgb 1 0 0)",
        "transparent",
        "currentcolor",
        "rebecca purple",
        "blackk",
        "whit",
        "red;",
        "bl\u0430ck" /* Cyrillic a */,
        "blac\u212A" /* Kelvin sign */,
        "1e999",
        "rgb(1e999 0 0)",
    };
    for (const char* written : cases) {
        EXPECT_EQ(text(parseCssColour(QString::fromUtf8(written))), "nothing") << written;
    }
}

// Lower case, short when the short form is exact, and read back as the same colour.
TEST(CssColourText, HexIsLowerCaseAndShortWhenExact) {
    const std::pair<Channels, const char*> cases[] = {
        {{0xFF, 0x80, 0x00}, "#ff8000"}, {{0xFF, 0x88, 0x00}, "#f80"},    {{0x33, 0x66, 0x99}, "#369"},
        {{0x00, 0x00, 0x00}, "#000"},    {{0xFF, 0xFF, 0xFF}, "#fff"},    {{0xAB, 0xCD, 0xEF}, "#abcdef"},
        {{0x11, 0x22, 0x34}, "#112234"}, {{0x01, 0x10, 0x00}, "#011000"}, {{0x10, 0x01, 0x00}, "#100100"},
        {{0xEE, 0xEE, 0xEF}, "#eeeeef"}, {{300, -5, 0x77}, "#f07"},
    };
    for (const auto& [rgb, written] : cases) {
        const QString hex = cssColour::cssHexText(rgb);
        EXPECT_EQ(hex.toStdString(), written) << text(rgb);
        const Channels clipped{std::clamp(rgb[0], 0, 255), std::clamp(rgb[1], 0, 255),
                               std::clamp(rgb[2], 0, 255)};
        EXPECT_EQ(text(parseCssColour(hex)), text(clipped)) << written;
    }
}

// Every name, in three spellings of case, against Qt's own table of the same names.
TEST(CssColourText, NamedColoursAreTheHundredFortyEight) {
    const auto names = cssColour::namedColours();
    EXPECT_EQ(names.size(), 148u);
    QSet<QString> distinct;
    for (const auto& entry : names) {
        const QString name = QString::fromLatin1(entry.name);
        distinct.insert(name);
        // Qt's table predates the one name CSS added last.
        const QColor reference =
            name == QLatin1String("rebeccapurple") ? QColor(0x66, 0x33, 0x99) : QColor(name);
        ASSERT_TRUE(reference.isValid()) << entry.name;
        const Channels expected{reference.red(), reference.green(), reference.blue()};
        for (const QString& spelling : {name, name.toUpper(), name.left(1).toUpper() + name.mid(1)}) {
            EXPECT_EQ(text(parseCssColour(spelling)), text(expected)) << entry.name;
        }
    }
    EXPECT_EQ(distinct.size(), 148);
    EXPECT_TRUE(distinct.contains(QStringLiteral("rebeccapurple")));
    EXPECT_TRUE(distinct.contains(QStringLiteral("lightgoldenrodyellow")));
}

} // namespace
