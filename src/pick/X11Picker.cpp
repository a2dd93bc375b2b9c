#include "pick/X11Picker.h"

#include "pick/FrozenScreens.h"
#include "pick/Loupe.h"
#include "pick/X11Pointer.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace {
QString refusedGrab() {
    return QStringLiteral("Could not take the pointer and keyboard for picking: another program holds them.");
}
} // namespace

X11Picker::X11Picker(PickDone done) : done_(std::move(done)), loupe_(std::make_unique<Loupe>()) {
    loupe_->installEventFilter(this);
}

X11Picker::~X11Picker() = default;

void X11Picker::start() {
    // Reads the pixels round the pointer and under the loupe before the loupe shows.
    follow(pointerPixel(QCursor::pos()));
    loupe_->show();
    loupe_->raise();
    // Grabbing the pointer with the loupe's cross cursor shows that cursor over every window.
    loupe_->grabMouse(Qt::CrossCursor);
    loupe_->grabKeyboard();
    QWindow* window = loupe_->windowHandle();
    if (window == nullptr || !window->setMouseGrabEnabled(true) || !window->setKeyboardGrabEnabled(true)) {
        finish({.kind = PickOutcome::Failed, .message = refusedGrab()});
    }
}

QPoint X11Picker::pointerPixel(QPointF logical) {
    return x11Pointer::pixel().value_or(FrozenScreens::nativeAt(logical));
}

void X11Picker::follow(QPoint native) {
    native_ = native;
    const QPointF logical = FrozenScreens::logicalAt(native);
    const QScreen* screen = FrozenScreens::screenWithPixel(native);
    const QRect area = screen ? screen->geometry() : QRect();
    // What the loupe is about to cover is read while it still lies elsewhere.
    const QRect cover =
        FrozenScreens::nativeRectOf(QRect(Loupe::placeBeside(logical, area), Loupe::loupeSize()));
    loupe_->showAround(screens_.around(native_, Loupe::Radius, cover), logical, area);
}

bool X11Picker::eventFilter(QObject* watched, QEvent* event) {
    if (watched != loupe_.get() || finished_) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        follow(pointerPixel(static_cast<QMouseEvent*>(event)->globalPosition()));
        return true;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            pickAt(pointerPixel(mouse->globalPosition()));
        } else if (mouse->button() == Qt::RightButton) {
            finish({.kind = PickOutcome::Cancelled});
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Escape:
            finish({.kind = PickOutcome::Cancelled});
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pickAt(native_);
            break;
        case Qt::Key_Left:
            moveByKey({-1, 0});
            break;
        case Qt::Key_Right:
            moveByKey({1, 0});
            break;
        case Qt::Key_Up:
            moveByKey({0, -1});
            break;
        case Qt::Key_Down:
            moveByKey({0, 1});
            break;
        default:
            break;
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void X11Picker::moveByKey(QPoint step) {
    const QPoint target = native_ + step;
    if (FrozenScreens::screenWithPixel(target) == nullptr) {
        return;
    }
    if (!x11Pointer::nudge(step)) {
        QCursor::setPos(FrozenScreens::logicalAt(target).toPoint());
    }
    // The pointer's own move event follows; the loupe need not wait for it.
    follow(target);
}

void X11Picker::pickAt(QPoint native) {
    const QRgb pixel = screens_.around(native, 0).pixel(0, 0);
    finish({.kind = PickOutcome::Picked, .colour = modColors::RGB(qRed(pixel), qGreen(pixel), qBlue(pixel))});
}

void X11Picker::finish(const PickOutcome& outcome) {
    if (finished_) {
        return;
    }
    finished_ = true;
    loupe_->releaseKeyboard();
    loupe_->releaseMouse();
    loupe_->hide();
    // Told from the event loop, never from inside start() or an event handler of the loupe.
    QMetaObject::invokeMethod(
        this,
        [this, outcome] {
            done_(outcome);
            deleteLater();
        },
        Qt::QueuedConnection);
}
