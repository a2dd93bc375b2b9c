#pragma once

#include "pick/PickOutcome.h"
#include "pick/ScreenPick.h"

class ColourEditor;
class DesktopServices;
class QShortcut;
class QWidget;

// Taking the current colour from anywhere on the screen: Ctrl+P in the window, or "Pick from
// screen" in the preview's menu (a right button release without Shift). A picked colour is
// made current as the colour dialog's choice is; a cancelled pick changes nothing. While a pick
// waits for the desktop's picker, the window's title says so, and Escape, Ctrl+P again or
// "Cancel picking" in the preview's menu cancels it.
class ScreenPicking {
  public:
    static inline const QString MenuText = QStringLiteral("&Pick from screen");
    static inline const QString CancelText = QStringLiteral("&Cancel picking");
    static inline const QString PendingTitle = QStringLiteral("%1: picking (Esc cancels)");

    ScreenPicking(QWidget* window, ColourEditor& editor, DesktopServices& desktop)
        : window_(window), editor_(editor), desktop_(desktop) {}
    // The keys, on the window.
    void wire();

    // Starts a pick, or cancels the one under way.
    void pick();
    void cancel();
    // The preview's menu, at the pointer.
    void lblCMix_MouseUp(int button, int shift);
    bool picking() const { return picking_; }

  private:
    QWidget* window_;
    ColourEditor& editor_;
    DesktopServices& desktop_;
    QShortcut* escape_ = nullptr;
    bool picking_ = false;
    // Told outcomes of picks before this one (cancelled ones) are let go.
    int pickNumber_ = 0;
    CancelPick cancel_;
    QString titleBefore_;

    void showPending(bool pending);
    void finish(const PickOutcome& outcome);
};
