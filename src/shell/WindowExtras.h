#pragma once

#include <QString>

class frmTintwell;
class QObject;

// Small window behaviours: staying on top, the home-page label and its caption hint, and
// the Shift-click on the preview that toggles the full view.
class WindowExtras {
  public:
    static inline const QString HintCaption = QStringLiteral("Look for help and news");

    explicit WindowExtras(frmTintwell& form) : f(form) {}
    void wire();

    void chkOnTop_Click();
    // Right button: the address to the clipboard. Any other: the address opened.
    void lblURL_MouseUp(int button);
    void lblURL_MouseMove();
    // Pointer over a surface that ends the caption hint (the window, the on-top box, the
    // slider frame).
    void Form_MouseMove();
    void chkOnTop_MouseMove();
    void fraVSB_MouseMove();
    // Shift alone with any button: opens both extra panels, or closes both when both are open.
    void lblCMix_MouseUp(int button, int shift);

    // The address of the help page shipped with the program whose binary lies in
    // programFolder (share/tintwell/help.html beside its bin/), or an empty text when there is
    // none.
    static QString helpPageAddress(const QString& programFolder);

  private:
    frmTintwell& f;

    void showHint(bool on);
};
