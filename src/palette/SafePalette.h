#pragma once

#include "colour/modColors.h"
#include "palette/SafeGrid.h"
#include "widgets/GuardFlags.h"
#include "widgets/Twips.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class AppSettings;
class FormLabel;
class QGroupBox;
class QObject;
class QPushButton;
class QRadioButton;
class Views;

// The 216-colour safe palette: its panel and cells and its six orders.
class SafePalette {
  public:
    static inline const QString ClosedCaption = QStringLiteral("S&F >>");
    static inline const QString OpenCaption = QStringLiteral("S&F <<");
    // Outer window widths in twips with the panel closed and open.
    static constexpr int ClosedWidth = NarrowWidthTwips;
    static constexpr int OpenWidth = WideWidthTwips;

    // The panel's controls are null until the extra panels are built.
    struct Controls {
        QPushButton*& cmdSafe;
        QGroupBox*& fraSF;
        std::vector<FormLabel*>& lblSF;
        std::array<QRadioButton*, 6>& optPerformance;
    };
    struct Links {
        // Makes a colour current (the editor's refresh).
        std::function<void(modColors::ColourValue)> show;
        // The six digits of the current colour, as the hex box holds them.
        std::function<QString()> currentHex;
        // The cells exist now, on the first opening: the Tab chain can take them in.
        std::function<void()> cellsMade;
    };

    SafePalette(Controls controls, GuardFlags& flags, AppSettings& settings, Views& views, Links links)
        : c(controls), flags_(flags), settings_(settings), views_(views), links_(std::move(links)) {}
    void wire(QObject* context);
    // The controls on its extra panel, once they are built.
    void wirePanel(QObject* context);

    bool isOpen() const;

    void cmdSafe_Click();
    void CreateSafeCells(std::int16_t x, std::int16_t y, std::int16_t first);
    void FillSafePalette(std::int16_t order);
    void PaintSafePalette();
    void optPerformance_Click(int order);
    void lblSF_Click(std::int16_t index);
    void lblSF_MouseMove(std::int16_t index);

    // The refresh's step: marks the current colour's cell while the panel is open.
    void MatchStep();

    safeGrid::DigitPairs SafeDigitPairs{};
    QStringList SafeColours;
    std::int16_t SafeIndex = 0;
    bool SafeCellsBuilt = false;
    // Where each cell lies in twips; the widgets hold the pixel rounding of it.
    safeGrid::CellRects CellTwips{};

  private:
    Controls c;
    GuardFlags& flags_;
    AppSettings& settings_;
    Views& views_;
    Links links_;
    QObject* context_ = nullptr;

    void buildPanel();
    void applyOrder(int order);
    void markCell(int index);
    // Marks the cell of the colour in the hex box, or leaves no cell marked.
    void markCurrentColour();
};
