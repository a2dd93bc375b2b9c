#pragma once

#include "colour/modColors.h"

#include <QString>
#include <functional>

// How a pick from the screen ended.
struct PickOutcome {
    // NothingPicked: the picker answered, but without a colour (the desktop's picker ends so when
    // the user presses Escape in it, as some desktops tell a cancel). Failed: the picker could
    // not be asked or its answer not be read. Unavailable: nothing here can pick.
    enum Kind { Picked, Cancelled, NothingPicked, Failed, Unavailable };
    Kind kind = Failed;
    // The picked colour when Picked, else NoColour.
    modColors::ColourValue colour = modColors::NoColour;
    // For NothingPicked, Failed and Unavailable: one plain sentence for the user.
    QString message;
};

using PickDone = std::function<void(const PickOutcome&)>;
