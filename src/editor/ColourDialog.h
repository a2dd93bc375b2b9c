#pragma once

class frmTintwell;

// The temporary store behind "#", the colour dialog and the bold switch of the samples.
class ColourDialog {
  public:
    explicit ColourDialog(frmTintwell& form) : f(form) {}
    void wire();

    void lblCMix_DblClick();

  private:
    [[maybe_unused]] frmTintwell& f;
};
