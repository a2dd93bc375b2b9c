#include "shell/WindowNotices.h"

#include "platform/DesktopServices.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

WindowNotices::WindowNotices(QWidget& window, DesktopServices& desktop)
    : QObject(&window), window_(window), desktop_(desktop) {
    window_.installEventFilter(this);
}

void WindowNotices::add(const QString& text) {
    waiting_.append(text);
    schedule();
}

bool WindowNotices::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show) {
        // The platform window exists by now; its first exposure is what puts it on the screen.
        if (QWindow* handle = window_.windowHandle()) {
            handle->removeEventFilter(this);
            handle->installEventFilter(this);
        }
        schedule();
    } else if (watched != &window_ && event->type() == QEvent::Expose) {
        schedule();
    }
    return QObject::eventFilter(watched, event);
}

void WindowNotices::schedule(int delayMs) {
    if (scheduled_ || waiting_.isEmpty()) {
        return;
    }
    scheduled_ = true;
    QTimer::singleShot(delayMs, this, [this] { deliver(); });
}

bool WindowNotices::windowOnScreen() const {
    const QWindow* handle = window_.windowHandle();
    return window_.isVisible() && handle != nullptr && handle->isExposed();
}

void WindowNotices::deliver() {
    scheduled_ = false;
    // A notice raised while one is being told joins the queue that is being emptied.
    if (telling_ || waiting_.isEmpty() || !windowOnScreen()) {
        return;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        schedule(ModalRetryMs);
        return;
    }
    telling_ = true;
    while (!waiting_.isEmpty()) {
        desktop_.tell(window_, waiting_.takeFirst());
    }
    telling_ = false;
}
