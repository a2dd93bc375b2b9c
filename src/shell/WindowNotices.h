#pragma once

#include <QObject>
#include <QStringList>

class DesktopServices;
class QWidget;

// Notices about the settings file wait for the window: each is told once the window is on the
// screen and the action that raised it has returned to the event loop, so a box never shows
// before the window, alone on the screen, nor stops a click half way.
class WindowNotices : public QObject {
  public:
    WindowNotices(QWidget& window, DesktopServices& desktop);

    void add(const QString& text);
    // Closing lists what was not saved itself; notices still waiting are not told after it.
    void drop() { waiting_.clear(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void schedule(int delayMs = 0);
    void deliver();
    bool windowOnScreen() const;

    // While another box is open (an input box asking a name) the action has not ended yet.
    static constexpr int ModalRetryMs = 100;

    QWidget& window_;
    DesktopServices& desktop_;
    QStringList waiting_;
    bool scheduled_ = false;
    bool telling_ = false;
};
