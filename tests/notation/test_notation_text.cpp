// The notation texts made without the window are the ones the window shows and copies.
#include "editor/ColourEditor.h"
#include "notation/NotationText.h"
#include "notation/StandardColours.h"
#include "support/WindowFixture.h"

#include <QLocale>
#include <random>

using modColors::ColourValue;
using modColors::RGB;

namespace {

class NotationTextTest : public WindowTest {};

// The sixteen standard colours, each one step off, and colours from all over the cube.
std::vector<ColourValue> sampleColours() {
    std::vector<ColourValue> colours;
    for (int i = 0; i < 16; ++i) {
        const ColourValue standard = StandardColours::QBColor(i);
        colours.push_back(standard);
        colours.push_back(standard ^ 1);
        colours.push_back(standard ^ (1 << 16));
    }
    std::mt19937 random(21);
    std::uniform_int_distribution<int> channel(0, 255);
    for (int i = 0; i < 40; ++i) {
        colours.push_back(RGB(channel(random), channel(random), channel(random)));
    }
    return colours;
}

TEST_F(NotationTextTest, EveryNotationMatchesTheWindowInTwoLocales) {
    frmTintwell& f = open();
    const QLocale saved;
    for (const QLocale& locale : {QLocale(QLocale::C), QLocale(QLocale::German)}) {
        QLocale::setDefault(locale);
        for (int notation = 0; notation < 11; ++notation) {
            f.cboWhat->setCurrentIndex(notation);
            for (ColourValue colour : sampleColours()) {
                f.editor.ShowColour(colour);
                const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
                ASSERT_EQ(notationText::textOf(notation, red, green, blue), f.txtDec->text())
                    << locale.name().toStdString() << " notation " << notation << " colour " << red << ", "
                    << green << ", " << blue;
            }
        }
    }
    QLocale::setDefault(saved);
}

TEST_F(NotationTextTest, NamesAreTheListsItems) {
    frmTintwell& f = open();
    QStringList items;
    for (int i = 0; i < f.cboWhat->count(); ++i) {
        items << f.cboWhat->itemText(i);
    }
    EXPECT_EQ(notationText::names(), items);
}

TEST(NotationNamed, IndexOrNameAsListed) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0", 0},
        {"9", 9},
        {"HTML", 1},
        {"{ESC}", 5},
        {"POV-Ray", 6},
        {"CSS oklch", 9},
        {"10", 10},
        {"CSS hex", 10},
        {"11", 11},
        {"CSS hwb", 11},
        {"CSS lab", 12},
        {"CSS lch", 13},
        {"CSS oklab", 14},
        {"15", 15},
        {"CSS display-p3", 15},
        {"16", std::nullopt},
        {"CSS Lab", std::nullopt},
        {"-1", std::nullopt},
        {"01", std::nullopt},
        {"html", std::nullopt},
        {"", std::nullopt},
        {"CSS", std::nullopt},
        {" 1", std::nullopt},
    };
    for (const auto& [word, index] : cases) {
        EXPECT_EQ(notationText::notationNamed(QString::fromUtf8(word)), index) << word;
    }
    EXPECT_EQ(notationText::textOf(10, 0x11, 0x22, 0x33), QStringLiteral("#123"));
    EXPECT_EQ(notationText::textOf(12, 0xFF, 0x80, 0), QStringLiteral("lab(67.82 45.49 74.84)"));
    EXPECT_EQ(notationText::textOf(15, 0xFF, 0x80, 0),
              QStringLiteral("color(display-p3 0.9361 0.529 0.1987)"));
    EXPECT_TRUE(notationText::textOf(16, 1, 2, 3).isEmpty());
}

} // namespace
