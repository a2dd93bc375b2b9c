#include "palette/SafeGrid.h"

#include "widgets/Twips.h"

namespace safeGrid {

namespace {
// Channel driven by the outer, middle and inner loop (0 red, 1 green, 2 blue), per order.
constexpr std::array<std::array<int, 3>, OrderCount> LoopChannels{{
    {0, 1, 2},
    {0, 2, 1},
    {1, 0, 2},
    {1, 2, 0},
    {2, 0, 1},
    {2, 1, 0},
}};
} // namespace

DigitPairs BuildDigitPairs(const QString& digits) {
    DigitPairs pairs;
    for (int i = 0; i < 6; ++i) {
        pairs[i] = QString(2, digits.at(i));
    }
    return pairs;
}

QStringList FillColours(int order, const DigitPairs& pairs) {
    const auto& loops = LoopChannels[order >= 0 && order < OrderCount ? order : 0];
    QStringList colours;
    colours.reserve(CellCount);
    std::array<int, 3> pair{};
    for (int outer = 0; outer < 6; ++outer) {
        pair[loops[0]] = outer;
        for (int middle = 0; middle < 6; ++middle) {
            pair[loops[1]] = middle;
            for (int inner = 0; inner < 6; ++inner) {
                pair[loops[2]] = inner;
                colours.append(QLatin1Char('#') + pairs[pair[0]] + pairs[pair[1]] + pairs[pair[2]]);
            }
        }
    }
    return colours;
}

void PlaceBlock(CellRects& cells, int x, int y, int first) {
    const int w = cells[0].width();
    const int h = cells[0].height();
    int row = 0;
    for (int n = first; n < first + BlockSize; ++n) {
        const int c = n % 6;
        if (c == 0) {
            ++row;
        }
        cells[n] = QRect(x + c * w, y + (row - 1) * h, w, h);
    }
}

QPoint BlockOrigin(int block, const CellRects& cells) {
    const int w = cells[0].width();
    const int h = cells[0].height();
    switch (block) {
    case 1:
        return {cells[0].x(), cells[35].y() + h + BlockGap};
    case 2:
        return {cells[71].x() + w + BlockGap, cells[0].y()};
    case 3:
        return {cells[72].x(), cells[107].y() + h + BlockGap};
    case 4:
        return {cells[107].x() + w + BlockGap, cells[0].y()};
    case 5:
        return {cells[144].x(), cells[179].y() + h + BlockGap};
    default:
        return Cell0Twips.topLeft();
    }
}

QRect ToPixels(const QRect& twips) {
    const int left = twipsToPixels(twips.x());
    const int top = twipsToPixels(twips.y());
    const int right = twipsToPixels(twips.x() + twips.width());
    const int bottom = twipsToPixels(twips.y() + twips.height());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace safeGrid
