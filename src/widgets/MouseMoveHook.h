#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

// Hands the pointer moves of one control to a handler; the control keeps its own handling.
class MouseMoveHook : public QObject {
  public:
    MouseMoveHook(QObject* watched, std::function<void()> handler)
        : QObject(watched), handler_(std::move(handler)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            handler_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> handler_;
};
