#pragma once

#include "colour/modColors.h"
#include "widgets/GuardFlags.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

class DesktopServices;
class FormLabel;
class QGroupBox;
class QObject;
class QPushButton;

// The sixteen standard colours: their table, their cells, selecting one and marking the
// current colour's cell however it was reached.
class StandardColours {
  public:
    struct Controls {
        QGroupBox*& fraStCol;
        std::array<FormLabel*, 16>& lblStandartColor;
        QPushButton*& cmdColorName;
    };
    struct Links {
        // Makes a colour current (the editor's refresh).
        std::function<void(modColors::ColourValue)> show;
        // Ends snapping before a picked cell changes the colour.
        std::function<void()> endSnapping;
        // The chosen notation: only its text becomes "Not available" when no cell matches.
        std::function<int()> notation;
        // Told after a cell was marked (true) or no cell matched (false).
        std::function<void(bool matched)> shown;
    };

    StandardColours(Controls controls, GuardFlags& flags, DesktopServices& desktop, Links links)
        : c(controls), flags_(flags), desktop_(desktop), links_(std::move(links)) {}
    void wire(QObject* context);

    // The value of standard colour i (0..15).
    static modColors::ColourValue QBColor(int index);
    // Its name, as the name button copies it ("navy").
    static QString colourName(int index);

    void FillTables();
    void BuildCells(QObject* context);
    void lblStandartColor_Click(int index);
    // Marks the matching cell, or clears the mark when `colour` is none of the sixteen.
    void MatchColour(modColors::ColourValue colour);
    void cmdColorName_Click();

    QStringList StdColourNames;
    QStringList StdEscapes;
    std::uint8_t StdIndex = 0;
    QString QBColorText;
    QString EscText;

  private:
    Controls c;
    GuardFlags& flags_;
    DesktopServices& desktop_;
    Links links_;

    // Marks cell i and shows its name and notation texts; the colour itself is left alone.
    void markStandard(int index);
};
