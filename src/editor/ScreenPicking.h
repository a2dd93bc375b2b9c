#pragma once

#include "pick/PickOutcome.h"

class ColourEditor;
class DesktopServices;
class QWidget;

// Taking the current colour from anywhere on the screen: Ctrl+P in the window, or "Pick from
// screen" in the preview's menu (a right button release without Shift). A picked colour is
// made current as the colour dialog's choice is; a cancelled pick changes nothing.
class ScreenPicking {
  public:
    static inline const QString MenuText = QStringLiteral("&Pick from screen");

    ScreenPicking(QWidget* window, ColourEditor& editor, DesktopServices& desktop)
        : window_(window), editor_(editor), desktop_(desktop) {}
    // The key, on the window.
    void wire();

    void pick();
    // The preview's menu, at the pointer.
    void lblCMix_MouseUp(int button, int shift);
    bool picking() const { return picking_; }

  private:
    QWidget* window_;
    ColourEditor& editor_;
    DesktopServices& desktop_;
    bool picking_ = false;

    void finish(const PickOutcome& outcome);
};
