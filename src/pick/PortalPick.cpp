#include "pick/PortalPick.h"

#include "pick/PortalAnswer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QRandomGenerator>

namespace {
const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString ObjectPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Screenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString Request = QStringLiteral("org.freedesktop.portal.Request");
// A portal that is installed starts within a second or two; one that hangs must not keep
// the user from picking otherwise.
constexpr int VersionTimeoutMs = 5000;
// The oldest Screenshot interface with PickColor.
constexpr uint PickColorVersion = 2;

PickOutcome failure(const QString& message) {
    return {.kind = PickOutcome::Failed, .message = message};
}
const QString CannotListen = QStringLiteral("Could not listen for the desktop's colour picker.");
} // namespace

void PortalPick::start(const QString& parentWindow, Answer answer) {
    auto* pick = new PortalPick(parentWindow, std::move(answer));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        pick->finish(std::nullopt);
        return;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        Service, ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << Screenshot << QStringLiteral("version");
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(get, VersionTimeoutMs), pick);
    connect(call, &QDBusPendingCallWatcher::finished, pick, &PortalPick::versionRead);
}

PortalPick::PortalPick(QString parentWindow, Answer answer)
    : parentWindow_(std::move(parentWindow)), answer_(std::move(answer)) {}

void PortalPick::versionRead(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    // No portal, no Screenshot interface, or one too old to pick: not offered.
    if (reply.isError() || reply.value().variant().toUInt() < PickColorVersion) {
        finish(std::nullopt);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("tintwell%1").arg(QRandomGenerator::global()->generate());
    // Listening before asking: the answer may come before the call's own reply.
    if (!listenOn(portalAnswer::requestPath(bus.baseService(), token))) {
        finish(failure(CannotListen));
        return;
    }
    portalGone_ = new QDBusServiceWatcher(Service, bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(portalGone_, &QDBusServiceWatcher::serviceUnregistered, this,
            [this] { finish(failure(QStringLiteral("The desktop portal stopped before it answered."))); });
    QDBusMessage pick =
        QDBusMessage::createMethodCall(Service, ObjectPath, Screenshot, QStringLiteral("PickColor"));
    pick << parentWindow_ << QVariantMap{{QStringLiteral("handle_token"), token}};
    // The user may take their time; the answer comes as a signal, the reply at once.
    auto* asked = new QDBusPendingCallWatcher(bus.asyncCall(pick), this);
    connect(asked, &QDBusPendingCallWatcher::finished, this, &PortalPick::pickAsked);
}

bool PortalPick::listenOn(const QString& path) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!requestPath_.isEmpty()) {
        bus.disconnect(Service, requestPath_, Request, QStringLiteral("Response"), this,
                       SLOT(response(uint, QVariantMap)));
    }
    requestPath_ = path;
    return bus.connect(Service, path, Request, QStringLiteral("Response"), this,
                       SLOT(response(uint, QVariantMap)));
}

void PortalPick::pickAsked(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        finish(
            failure(QStringLiteral("The desktop's colour picker failed: %1").arg(reply.error().message())));
        return;
    }
    // Portals older than the handle token answer on a path of their own choosing.
    const QString path = reply.value().path();
    if (path != requestPath_ && !listenOn(path)) {
        finish(failure(CannotListen));
    }
}

void PortalPick::response(uint response, const QVariantMap& results) {
    finish(portalAnswer::outcomeOf(response, portalAnswer::colourIn(results)));
}

void PortalPick::finish(const std::optional<PickOutcome>& outcome) {
    if (finished_) {
        return;
    }
    finished_ = true;
    if (!requestPath_.isEmpty()) {
        QDBusConnection::sessionBus().disconnect(Service, requestPath_, Request, QStringLiteral("Response"),
                                                 this, SLOT(response(uint, QVariantMap)));
    }
    // Told from the event loop, even when the bus was missing from the start.
    QMetaObject::invokeMethod(
        this,
        [this, outcome] {
            answer_(outcome);
            deleteLater();
        },
        Qt::QueuedConnection);
}
