#pragma once

#include "colour/modColors.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class frmTintwell;

// The sixteen standard colours: their table, their cells, selecting one and marking the
// current colour's cell however it was reached.
class StandardColours {
  public:
    explicit StandardColours(frmTintwell& form) : f(form) {}
    void wire();

    // The value of standard colour i (0..15).
    static modColors::ColourValue QBColor(int index);

    void FillTables();
    void BuildCells();
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
    frmTintwell& f;

    // Marks cell i and shows its name and notation texts; the colour itself is left alone.
    void markStandard(int index);
};
