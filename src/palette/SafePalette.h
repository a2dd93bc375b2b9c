#pragma once

#include "colour/modColors.h"

#include <QString>
#include <QStringList>
#include <array>

class frmTintwell;

// The 216-colour safe palette: its panel and cells, its six orders, and snapping the
// current colour to safe values.
class SafePalette {
  public:
    static inline const QString ClosedCaption = QStringLiteral("S&F >>");
    static inline const QString OpenCaption = QStringLiteral("S&F <<");

    explicit SafePalette(frmTintwell& form) : f(form) {}
    void wire();

    bool isOpen() const;

    // Opens or closes the safe-palette panel.
    void cmdSafe_Click();

    void chkSF_Click();
    // Run before a drag, a dark-light move or a standard colour changes the colour: ends
    // snapping without bringing back the channels it replaced.
    void SwitchOffWithoutUndo();
    // The refresh's step: marks the current colour's cell while the panel is open.
    void MatchStep();

    std::array<modColors::Channel, 3> SavedChannels{};

  private:
    frmTintwell& f;
};
