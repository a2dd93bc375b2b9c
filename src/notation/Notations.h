#pragma once

class frmTintwell;

// The ten text forms of the current colour, in the notation field, and copying them.
class Notations {
  public:
    enum Index {
        Number = 0,
        Html = 1,
        C = 2,
        QBColor = 3,
        VB = 4,
        Esc = 5,
        PovRay = 6,
        CssRgb = 7,
        CssHsl = 8,
        CssOklch = 9
    };

    explicit Notations(frmTintwell& form) : f(form) {}
    void wire();

    void ShowNotation();
    void cboWhat_Click();
    void cmdSend_Click();

  private:
    frmTintwell& f;
};
