#pragma once

#include "colour/modColors.h"
#include "palette/SafeGrid.h"
#include "shell/Twips.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class frmTintwell;

// The 216-colour safe palette: its panel and cells, its six orders, and snapping the
// current colour to safe values.
class SafePalette {
  public:
    static inline const QString ClosedCaption = QStringLiteral("S&F >>");
    static inline const QString OpenCaption = QStringLiteral("S&F <<");
    // Outer window widths in twips with the panel closed and open.
    static constexpr int ClosedWidth = NarrowWidthTwips;
    static constexpr int OpenWidth = WideWidthTwips;

    explicit SafePalette(frmTintwell& form) : f(form) {}
    void wire();
    // The controls on its extra panel, once they are built.
    void wirePanel();

    bool isOpen() const;

    void cmdSafe_Click();
    void CreateSafeCells(std::int16_t x, std::int16_t y, std::int16_t first);
    void FillSafePalette(std::int16_t order);
    void PaintSafePalette();
    void optPerformance_Click(int order);
    void lblSF_Click(std::int16_t index);
    void lblSF_MouseMove(std::int16_t index);

    void chkSF_Click();
    // Run before a drag, a dark-light move or a standard colour changes the colour: ends
    // snapping without bringing back the channels it replaced.
    void SwitchOffWithoutUndo();
    // The refresh's step: marks the current colour's cell while the panel is open.
    void MatchStep();

    safeGrid::DigitPairs SafeDigitPairs{};
    QStringList SafeColours;
    std::int16_t SafeIndex = 0;
    bool SafeCellsBuilt = false;
    std::array<modColors::Channel, 3> SavedChannels{};
    // Where each cell lies in twips; the widgets hold the pixel rounding of it.
    safeGrid::CellRects CellTwips{};

  private:
    frmTintwell& f;

    void buildPanel();
    void applyOrder(int order);
    void markCell(int index);
    // Marks the cell of the colour in the hex box, or leaves no cell marked.
    void markCurrentColour();
};
