#pragma once

#include "colour/modColors.h"

#include <array>
#include <cstdint>

class ColourEditor;
class DesktopServices;
class FormLabel;
class QObject;
class QPushButton;
class QWidget;

// The desktop's colour dialog as the program runs it: opened on the current colour by "W"
// and by a double-click on the preview, with the sixteen custom colours it offers and keeps
// for the rest of the run.
class ColourDialog {
  public:
    struct Controls {
        QPushButton*& cmdWinColor;
        FormLabel*& lblCMix;
    };

    ColourDialog(Controls controls, ColourEditor& editor, DesktopServices& desktop, QWidget* owner)
        : c(controls), editor_(editor), desktop_(desktop), owner_(owner) {}
    void wire(QObject* context);

    // Opens the dialog on the current colour and makes its choice current; the scheme samples
    // open it this way too.
    void lblCMix_DblClick();
    void cmdWinColor_Click();

    // Mode 1: the desktop's first sixteen display colours. Any other mode: a grey ramp from
    // black (0) to 240 in steps of 16.
    void InitCustomColours(std::uint8_t mode);
    // Opens the dialog on `colour` (a system colour is offered as its plain colour). Returns
    // true with the chosen colour in `colour`, or false with NoColour when it was cancelled.
    // `owner` may be null for a dialog without an owner window.
    bool PickColour(modColors::ColourValue& colour, bool fullOpen, bool anyColour, bool preventFullOpen,
                    QWidget* owner, std::uint8_t customMode);
    // The dialog flags PickColour passes for these choices.
    static unsigned ColourDialogFlags(bool fullOpen, bool anyColour, bool preventFullOpen);

    // Handed to the dialog at every opening; the dialog writes the user's edits back, so they
    // are offered again at the next opening. Never saved.
    std::array<modColors::ColourValue, 16> CustomColours{};
    // False until CustomColours has been filled; the first opening of the dialog fills it.
    bool CustomColoursReady = false;

  private:
    Controls c;
    ColourEditor& editor_;
    DesktopServices& desktop_;
    QWidget* owner_;
};
