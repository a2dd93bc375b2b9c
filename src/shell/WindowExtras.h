#pragma once

class frmTintwell;

// Small window behaviours: staying on top, the home-page label and its caption hint, and
// the Shift-click on the preview that toggles the full view.
class WindowExtras {
  public:
    explicit WindowExtras(frmTintwell& form) : f(form) {}
    void wire();

    // Pointer over a surface that ends the caption hint (the window, the on-top box, the
    // slider frame).
    void Form_MouseMove();

  private:
    [[maybe_unused]] frmTintwell& f;
};
