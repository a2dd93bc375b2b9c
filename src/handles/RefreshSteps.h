#pragma once

#include "colour/modColors.h"

#include <functional>

// The other rooms' parts of a refresh, set by the window. ShowColour runs them in this order,
// synchronously, between its own steps.
struct RefreshSteps {
    // Marks the standard colour's cell (skipped while a standard cell is being selected).
    std::function<void(modColors::ColourValue)> standardMatch;
    // Writes the colour into the chosen scheme slot while the scheme editor is open.
    std::function<void(modColors::ColourValue)> schemeStep;
    // Marks the safe colour's cell while the safe palette is open.
    std::function<void()> safeMatch;
    // Shows the colour in the chosen notation.
    std::function<void()> notation;
};
