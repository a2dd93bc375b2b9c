// The safe palette as data: the codes of each order and where the cells lie.
#include "palette/SafeGrid.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace safeGrid;

namespace {

struct OrderCase {
    int order;
    // Entry index of the colour with pair indices r, g, b.
    std::function<int(int, int, int)> entry;
    // Entries 1, 6, 36, then 5, 30, 180 (the inner, middle and outer channel at full).
    std::array<const char*, 6> codes;
};

const std::vector<OrderCase> Orders{
    {0,
     [](int r, int g, int b) { return 36 * r + 6 * g + b; },
     {"#000033", "#003300", "#330000", "#0000FF", "#00FF00", "#FF0000"}},
    {1,
     [](int r, int g, int b) { return 36 * r + 6 * b + g; },
     {"#003300", "#000033", "#330000", "#00FF00", "#0000FF", "#FF0000"}},
    {2,
     [](int r, int g, int b) { return 36 * g + 6 * r + b; },
     {"#000033", "#330000", "#003300", "#0000FF", "#FF0000", "#00FF00"}},
    {3,
     [](int r, int g, int b) { return 36 * g + 6 * b + r; },
     {"#330000", "#000033", "#003300", "#FF0000", "#0000FF", "#00FF00"}},
    {4,
     [](int r, int g, int b) { return 36 * b + 6 * r + g; },
     {"#003300", "#330000", "#000033", "#00FF00", "#FF0000", "#0000FF"}},
    {5,
     [](int r, int g, int b) { return 36 * b + 6 * g + r; },
     {"#330000", "#003300", "#000033", "#FF0000", "#00FF00", "#0000FF"}},
};

} // namespace

TEST(SafeGrid, DigitPairsRepeatEachDigit) {
    const DigitPairs pairs = BuildDigitPairs();
    EXPECT_EQ(pairs, (DigitPairs{"00", "33", "66", "99", "CC", "FF"}));
}

TEST(SafeGrid, EachOrderPlacesEveryColourWhereItsLoopsPutIt) {
    const DigitPairs pairs = BuildDigitPairs();
    for (const OrderCase& c : Orders) {
        SCOPED_TRACE(c.order);
        const QStringList colours = FillColours(c.order, pairs);
        ASSERT_EQ(colours.size(), CellCount);
        const std::array<int, 6> probes{1, 6, 36, 5, 30, 180};
        for (std::size_t i = 0; i < probes.size(); ++i) {
            EXPECT_EQ(colours[probes[i]], QString::fromLatin1(c.codes[i])) << "entry " << probes[i];
        }
        EXPECT_EQ(colours[0], "#000000");
        EXPECT_EQ(colours[215], "#FFFFFF");
        for (int r = 0; r < 6; ++r) {
            for (int g = 0; g < 6; ++g) {
                for (int b = 0; b < 6; ++b) {
                    EXPECT_EQ(colours[c.entry(r, g, b)], QLatin1Char('#') + pairs[r] + pairs[g] + pairs[b]);
                }
            }
        }
        EXPECT_EQ(QSet<QString>(colours.begin(), colours.end()).size(), CellCount) << "not a permutation";
    }
}

TEST(SafeGrid, AnOrderOutsideTheSixFallsBackToTheFirst) {
    const DigitPairs pairs = BuildDigitPairs();
    EXPECT_EQ(FillColours(6, pairs), FillColours(0, pairs));
    EXPECT_EQ(FillColours(-1, pairs), FillColours(0, pairs));
}

TEST(SafeGrid, BlocksStandInThreeColumnsOfTwoWithTouchingCells) {
    CellRects cells{};
    cells[0] = Cell0Twips;
    for (int block = 0; block < 6; ++block) {
        const QPoint origin = BlockOrigin(block, cells);
        EXPECT_EQ(origin, QPoint(30 + 1390 * (block / 2), 120 + 1420 * (block % 2))) << "block " << block;
        PlaceBlock(cells, origin.x(), origin.y(), static_cast<int>(block * BlockSize));
    }
    for (int n = 0; n < CellCount; ++n) {
        const QPoint origin(30 + 1390 * (n / 36 / 2), 120 + 1420 * (n / 36 % 2));
        const int row = n % 36 / 6;
        const int column = n % 6;
        EXPECT_EQ(cells[n], QRect(origin + QPoint(220 * column, 225 * row), QSize(220, 225))) << "cell " << n;
    }
}

TEST(SafeGrid, PixelsFollowTheTwipsEdgesSoNeighboursStillTouch) {
    struct Case {
        QRect twips;
        QRect pixels;
    };
    const std::vector<Case> cases{
        {{30, 120, 220, 225}, {2, 8, 15, 15}},       // cell 0
        {{250, 120, 220, 225}, {17, 8, 14, 15}},     // cell 1: 250..470 twips is 16.7..31.3 px
        {{470, 345, 220, 225}, {31, 23, 15, 15}},    // cell 8
        {{1420, 1540, 220, 225}, {95, 103, 14, 15}}, // block 3
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToPixels(c.twips), c.pixels) << c.twips.x() << "," << c.twips.y();
    }
    // Cell 1 starts where cell 0 ends.
    EXPECT_EQ(ToPixels(cases[0].twips).right() + 1, ToPixels(cases[1].twips).left());
}
