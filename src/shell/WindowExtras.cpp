#include "shell/WindowExtras.h"

#include "shell/frmTintwell.h"

void WindowExtras::wire() {
    // Staying on top, the home-page label and the full-view toggle join here.
}

void WindowExtras::Form_MouseMove() {
    // The caption hint joins here.
}
