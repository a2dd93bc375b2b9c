#pragma once

#include "colour/modColors.h"

#include <QString>
#include <functional>

// How a pick from the screen ended.
struct PickOutcome {
    enum Kind { Picked, Cancelled, Failed, Unavailable };
    Kind kind = Failed;
    // The picked colour when Picked, else NoColour.
    modColors::ColourValue colour = modColors::NoColour;
    // For Failed and Unavailable: one plain sentence for the user.
    QString message;
};

using PickDone = std::function<void(const PickOutcome&)>;
