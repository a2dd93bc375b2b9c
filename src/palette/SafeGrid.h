#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <array>

// The safe palette as data: the digit pairs, the 216 codes in each of the six orders, and
// where each cell lies (in twips). No widgets here.
namespace safeGrid {

constexpr int CellCount = 216;
constexpr int BlockSize = 36;
constexpr int OrderCount = 6;
// Twips between two blocks.
constexpr int BlockGap = 70;
// Cell 0 as designed: left 30, top 120, 220 wide, 225 high.
constexpr QRect Cell0Twips{30, 120, 220, 225};

using DigitPairs = std::array<QString, 6>;
using CellRects = std::array<QRect, CellCount>;

// Pair i is digit i + 1 of `digits` written twice: "00", "33", ... "FF" from "0369CF".
DigitPairs BuildDigitPairs(const QString& digits = QStringLiteral("0369CF"));

// The 216 HTML codes in palette order `order` (0..5): three nested loops over the pair
// index, the order choosing which channel each loop drives. Any other order is taken as 0.
QStringList FillColours(int order, const DigitPairs& pairs);

// Places cells first .. first + 35 as one 6 x 6 block of touching cells with its top-left
// corner at (x, y), each the size of cell 0.
void PlaceBlock(CellRects& cells, int x, int y, int first);

// The top-left corner of block `block` (0..5), read from the cells of the blocks placed
// before it: three columns of two blocks, BlockGap apart.
QPoint BlockOrigin(int block, const CellRects& cells);

// A twips rectangle on the screen: its edges are converted, not its size, so neighbours
// that touch in twips touch in pixels too.
QRect ToPixels(const QRect& twips);

} // namespace safeGrid
