#pragma once

#include "pick/PickOutcome.h"

class QWidget;

// Ends the pick it came from as a cancel while it is under way (the desktop's picker is asked
// to close); afterwards it does nothing.
using CancelPick = std::function<void()>;

// Takes one colour from anywhere on the screen: with the desktop portal's picker where it is
// offered (Wayland and X11 alike), else with Tintwell's own on X11. `parentOrNull`, the window
// that asks, stays where it is. `done` is called exactly once, later, from the event loop.
CancelPick pickFromScreen(QWidget* parentOrNull, PickDone done);
