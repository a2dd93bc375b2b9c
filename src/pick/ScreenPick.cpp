#include "pick/ScreenPick.h"

#include "pick/Loupe.h"
#include "pick/PortalPick.h"
#include "pick/X11Picker.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace {

QString portalParent(QWidget* parent) {
    if (parent == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return QString();
    }
    return QStringLiteral("x11:%1").arg(parent->window()->winId(), 0, 16);
}

// Under a Wayland session an X11 client sees only the other X11 clients' pixels.
bool waylandSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

// `portalAbsent` names what the portal lacks: on Wayland, that is all there is to say.
PickOutcome unavailable(const PickOutcome& portalAbsent) {
    if (waylandSession()) {
        return portalAbsent;
    }
    return {.kind = PickOutcome::Unavailable,
            .message = QStringLiteral("No colour picker here: the %1 display shows no screen to pick from.")
                           .arg(QGuiApplication::platformName())};
}

// The picker at work, whichever it is, for a cancel to reach.
struct UnderWay {
    QPointer<PortalPick> portal;
    QPointer<X11Picker> own;
    bool cancelled = false;
};

void pickWithoutPortal(const std::shared_ptr<UnderWay>& underWay, const PickOutcome& portalAbsent,
                       const PickDone& done) {
    if (!underWay->cancelled && QGuiApplication::platformName() == QLatin1String("xcb") &&
        !waylandSession()) {
        underWay->own = new X11Picker(done);
        underWay->own->start();
        return;
    }
    QTimer::singleShot(0, [underWay, done, outcome = unavailable(portalAbsent)] {
        done(underWay->cancelled ? PickOutcome{.kind = PickOutcome::Cancelled} : outcome);
    });
}

} // namespace

CancelPick pickFromScreen(QWidget* parentOrNull, PickDone done) {
    auto underWay = std::make_shared<UnderWay>();
    underWay->portal =
        PortalPick::start(portalParent(parentOrNull), [underWay, done](const PickOutcome& outcome) {
            if (outcome.kind == PickOutcome::Unavailable) {
                pickWithoutPortal(underWay, outcome, done);
            } else {
                done(underWay->cancelled ? PickOutcome{.kind = PickOutcome::Cancelled} : outcome);
            }
        });
    return [underWay] {
        if (underWay->cancelled) {
            return;
        }
        underWay->cancelled = true;
        // The own picker comes only after the portal has told it offers none (it may not be gone yet).
        if (underWay->own) {
            // Ends the own picker as its Escape key does, letting go of the pointer and keyboard.
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&underWay->own->loupe(), &escape);
        } else if (underWay->portal) {
            underWay->portal->cancel();
        }
    };
}
