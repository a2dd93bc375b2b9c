#pragma once

#include "colour/modColors.h"
#include "widgets/GuardFlags.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QObject;
class QPushButton;
class QScrollBar;

// "SF": snaps the channel sliders to safe values (multiples of 51) and steps them by 51 while
// it is on; switching it off by hand brings back the channels it replaced, unless the colour
// has been refreshed since.
class SafeSnapping {
  public:
    struct Controls {
        std::array<QScrollBar*, 3>& vsbColor;
        QLineEdit*& txtHex;
        QCheckBox*& chkSF;
        QPushButton*& cmdWinColor;
    };

    SafeSnapping(Controls controls, const GuardFlags& flags) : c(controls), flags_(flags) {}
    void wire(QObject* context);

    void chkSF_Click();
    // Run before a drag, a dark-light move or a standard colour changes the colour: ends
    // snapping without bringing back the channels it replaced.
    void SwitchOffWithoutUndo();

    std::array<modColors::Channel, 3> SavedChannels{};
    // Whether switching off brings SavedChannels back; every refresh clears it.
    bool SafeUndo = false;

  private:
    Controls c;
    const GuardFlags& flags_;
};
