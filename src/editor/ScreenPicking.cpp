#include "editor/ScreenPicking.h"

#include "editor/ColourEditor.h"
#include "pick/ScreenPick.h"
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
}

void ScreenPicking::lblCMix_MouseUp(int button, int shift) {
    if (button != 2 || shift != 0) {
        return;
    }
    auto* menu = new QMenu(window_);
    menu->setObjectName(QStringLiteral("previewMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* pickAction = menu->addAction(MenuText);
    QObject::connect(pickAction, &QAction::triggered, window_, [this] { pick(); });
    menu->popup(QCursor::pos());
}

void ScreenPicking::pick() {
    // One pick at a time: a second key press while the picker is up changes nothing.
    if (picking_) {
        return;
    }
    picking_ = true;
    // The answer may come after the window has gone (a portal answers whenever it likes).
    pickFromScreen(window_, [this, window = QPointer<QWidget>(window_)](const PickOutcome& outcome) {
        if (window) {
            finish(outcome);
        }
    });
}

void ScreenPicking::finish(const PickOutcome& outcome) {
    picking_ = false;
    switch (outcome.kind) {
    case PickOutcome::Picked:
        editor_.ShowColour(outcome.colour);
        break;
    case PickOutcome::Failed:
    case PickOutcome::Unavailable:
        desktop_.tell(outcome.message);
        break;
    case PickOutcome::Cancelled:
        break;
    }
}
