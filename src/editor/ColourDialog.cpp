#include "editor/ColourDialog.h"

#include "shell/frmTintwell.h"

void ColourDialog::wire() {
    // The temporary store, the colour dialog and the bold switch join here.
}

void ColourDialog::lblCMix_DblClick() {
    // The colour dialog on the current colour joins here.
}
