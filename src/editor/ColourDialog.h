#pragma once

#include <QString>

class frmTintwell;

// The temporary store behind "#", the colour dialog and the bold switch of the samples.
class ColourDialog {
  public:
    explicit ColourDialog(frmTintwell& form) : f(form) {}
    void wire();
    // The controls on its extra panel, once they are built.
    void wirePanel();

    // "#": a click copies the six digits; a right button release stores the current code or,
    // when the store is full, brings its colour back and empties it.
    void lblH_Click();
    void lblH_MouseUp(int button, int shift);
    // Opens the colour dialog on the current colour; the scheme samples open it this way too.
    void lblCMix_DblClick();
    void cmdWinColor_Click();
    void lblBold_Click();

    // The stored code: "#" and the hex box's text, fitted to seven characters. Whether it
    // holds a colour is told only by the border of "#".
    QString TempColour = QString(7, QLatin1Char(' '));

  private:
    frmTintwell& f;
};
