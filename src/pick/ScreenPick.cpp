#include "pick/ScreenPick.h"

#include "pick/PortalPick.h"
#include "pick/X11Picker.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

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

PickOutcome unavailable() {
    if (waylandSession()) {
        return {.kind = PickOutcome::Unavailable,
                .message = QStringLiteral(
                    "No colour picker here: on Wayland, picking needs the desktop portal's picker; install "
                    "your desktop's portal backend (xdg-desktop-portal-gnome, -kde or -wlr).")};
    }
    return {.kind = PickOutcome::Unavailable,
            .message = QStringLiteral("No colour picker here: the %1 display shows no screen to pick from.")
                           .arg(QGuiApplication::platformName())};
}

void pickWithoutPortal(const PickDone& done) {
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !waylandSession()) {
        (new X11Picker(done))->start();
        return;
    }
    QTimer::singleShot(0, [done] { done(unavailable()); });
}

} // namespace

void pickFromScreen(QWidget* parentOrNull, PickDone done) {
    PortalPick::start(portalParent(parentOrNull), [done](const std::optional<PickOutcome>& outcome) {
        if (outcome) {
            done(*outcome);
        } else {
            pickWithoutPortal(done);
        }
    });
}
