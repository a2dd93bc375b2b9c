#pragma once

#include "colour/modColors.h"

#include <array>
#include <cstdint>

class QWidget;

// The desktop's colour dialog as the program runs it, with the sixteen custom colours that it
// offers and keeps for the rest of the run.
namespace modColors {

// Handed to the dialog at every opening; the dialog writes the user's edits back, so they are
// offered again at the next opening. Never saved.
extern std::array<ColourValue, 16> CustomColours;
// False until CustomColours has been filled; the first opening of the dialog fills it.
extern bool CustomColoursReady;

// Mode 1: the desktop's first sixteen display colours. Any other mode: a grey ramp from
// black (0) to 240 in steps of 16.
void InitCustomColours(std::uint8_t mode);

// Opens the dialog on `colour` (a system colour is offered as its plain colour). Returns true
// with the chosen colour in `colour`, or false with NoColour when the dialog was cancelled.
// `owner` may be null for a dialog without an owner window.
bool PickColour(ColourValue& colour, bool fullOpen, bool anyColour, bool preventFullOpen, QWidget* owner,
                std::uint8_t customMode);

// The dialog flags PickColour passes for these choices.
unsigned ColourDialogFlags(bool fullOpen, bool anyColour, bool preventFullOpen);

} // namespace modColors
