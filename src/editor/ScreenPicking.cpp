#include "editor/ScreenPicking.h"

#include "editor/ColourEditor.h"
#include "platform/DesktopServices.h"

#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

void ScreenPicking::wire() {
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), window_);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window_, [this] { pick(); });
    // Only while a pick waits: Escape means nothing to the window otherwise.
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), window_);
    escape_->setContext(Qt::WindowShortcut);
    escape_->setEnabled(false);
    QObject::connect(escape_, &QShortcut::activated, window_, [this] { cancel(); });
}

void ScreenPicking::lblCMix_MouseUp(int button, int shift) {
    if (button != 2 || shift != 0) {
        return;
    }
    auto* menu = new QMenu(window_);
    menu->setObjectName(QStringLiteral("previewMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* pickAction = menu->addAction(picking_ ? CancelText : MenuText);
    QObject::connect(pickAction, &QAction::triggered, window_, [this] { pick(); });
    menu->popup(QCursor::pos());
}

void ScreenPicking::pick() {
    if (picking_) {
        cancel();
        return;
    }
    showPending(true);
    const int number = ++pickNumber_;
    // The answer may come after the window has gone (a portal answers whenever it likes).
    cancel_ = pickFromScreen(window_,
                             [this, number, window = QPointer<QWidget>(window_)](const PickOutcome& outcome) {
                                 if (window && number == pickNumber_ && picking_) {
                                     finish(outcome);
                                 }
                             });
}

void ScreenPicking::cancel() {
    if (!picking_) {
        return;
    }
    // The window is free at once; the desktop's picker closes in its own time.
    showPending(false);
    const CancelPick cancelThis = std::move(cancel_);
    cancel_ = nullptr;
    cancelThis();
}

void ScreenPicking::showPending(bool pending) {
    picking_ = pending;
    if (escape_ != nullptr) {
        escape_->setEnabled(pending);
    }
    if (pending) {
        titleBefore_ = window_->windowTitle();
        window_->setWindowTitle(PendingTitle.arg(titleBefore_));
    } else {
        window_->setWindowTitle(titleBefore_);
    }
}

void ScreenPicking::finish(const PickOutcome& outcome) {
    showPending(false);
    cancel_ = nullptr;
    switch (outcome.kind) {
    case PickOutcome::Picked:
        editor_.ShowColour(outcome.colour);
        break;
    case PickOutcome::Failed:
    case PickOutcome::Unavailable:
        desktop_.tell(outcome.message);
        break;
    case PickOutcome::Cancelled:
    case PickOutcome::NothingPicked:
        break;
    }
}
