#include "shell/WindowHole.h"

#include "shell/frmTintwell.h"

void WindowHole::wire() {
    // The six hole sliders and the reset button join here.
}

void WindowHole::StartUp() {
    // Reading the "Hole" keys and cutting the hole join here.
}

void WindowHole::ShutDown() {
    // Writing the six "Hole" keys joins here.
}
