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
// The frontend closes the backend's request before it answers; a backend stuck in its picker
// may never let it, and a cancel must not wait for that.
constexpr int CloseTimeoutMs = 1500;
// The oldest Screenshot interface with PickColor.
constexpr uint PickColorVersion = 2;

PickOutcome failure(const QString& message) {
    return {.kind = PickOutcome::Failed, .message = message};
}
PickOutcome missing(portalAnswer::Absence absence, const QString& detail) {
    return {.kind = PickOutcome::Unavailable,
            .message =
                portalAnswer::missingPiece(absence, qEnvironmentVariable("XDG_CURRENT_DESKTOP"), detail)};
}
const QString CannotListen = QStringLiteral("Could not listen for the desktop's colour picker.");
} // namespace

QPointer<PortalPick> PortalPick::start(const QString& parentWindow, PickDone answer) {
    auto* pick = new PortalPick(parentWindow, std::move(answer));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        pick->finish(missing(portalAnswer::Absence::NoPortal, QString()));
        return pick;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        Service, ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << Screenshot << QStringLiteral("version");
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(get, VersionTimeoutMs), pick);
    connect(call, &QDBusPendingCallWatcher::finished, pick, &PortalPick::versionRead);
    return pick;
}

PortalPick::PortalPick(QString parentWindow, PickDone answer)
    : parentWindow_(std::move(parentWindow)), answer_(std::move(answer)) {}

void PortalPick::versionRead(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    if (finished_) {
        return;
    }
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) {
        finish(missing(portalAnswer::absenceOf(reply.error().name()), reply.error().message()));
        return;
    }
    const uint version = reply.value().variant().toUInt();
    if (version < PickColorVersion) {
        finish(missing(portalAnswer::Absence::OldPicker, QString::number(version)));
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
    connect(portalGone_, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        finish(cancelling_ ? PickOutcome{.kind = PickOutcome::Cancelled}
                           : failure(QStringLiteral("The desktop portal stopped before it answered.")));
    });
    QDBusMessage pick =
        QDBusMessage::createMethodCall(Service, ObjectPath, Screenshot, QStringLiteral("PickColor"));
    pick << parentWindow_ << QVariantMap{{QStringLiteral("handle_token"), token}};
    // The user may take their time; the answer comes as a signal, the reply at once.
    auto* asked = new QDBusPendingCallWatcher(bus.asyncCall(pick), this);
    connect(asked, &QDBusPendingCallWatcher::finished, this, &PortalPick::pickAsked);
    askSent_ = true;
}

bool PortalPick::listenOn(const QString& path) {
    stopListening();
    requestPath_ = path;
    return QDBusConnection::sessionBus().connect(Service, path, Request, QStringLiteral("Response"), this,
                                                 SLOT(response(uint, QVariantMap)));
}

void PortalPick::stopListening() {
    if (!requestPath_.isEmpty()) {
        QDBusConnection::sessionBus().disconnect(Service, requestPath_, Request, QStringLiteral("Response"),
                                                 this, SLOT(response(uint, QVariantMap)));
    }
}

void PortalPick::pickAsked(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        finish(
            cancelling_
                ? PickOutcome{.kind = PickOutcome::Cancelled}
                : failure(
                      QStringLiteral("The desktop's colour picker failed: %1").arg(reply.error().message())));
        return;
    }
    answered_ = true;
    // Portals older than the handle token answer on a path of their own choosing.
    const QString path = reply.value().path();
    if (cancelling_) {
        requestPath_ = path;
        closeRequest();
    } else if (path != requestPath_ && !listenOn(path)) {
        finish(failure(CannotListen));
    }
}

void PortalPick::response(uint response, const QVariantMap& results) {
    if (!cancelling_) {
        finish(portalAnswer::outcomeOf(response, portalAnswer::colourIn(results)));
    }
}

void PortalPick::cancel() {
    if (finished_ || cancelling_) {
        return;
    }
    cancelling_ = true;
    stopListening();
    if (!askSent_) {
        finish({.kind = PickOutcome::Cancelled});
    } else if (answered_) {
        closeRequest();
    } // else the request is closed as soon as the portal says which it is
}

void PortalPick::closeRequest() {
    QDBusMessage close =
        QDBusMessage::createMethodCall(Service, requestPath_, Request, QStringLiteral("Close"));
    // Told once the portal has the Close, answered or not: `tintwell --pick` ends right after.
    auto* closing =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(close, CloseTimeoutMs), this);
    connect(closing, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        finish({.kind = PickOutcome::Cancelled});
    });
}

void PortalPick::finish(const PickOutcome& outcome) {
    if (finished_) {
        return;
    }
    finished_ = true;
    stopListening();
    // Told from the event loop, even when the bus was missing from the start.
    QMetaObject::invokeMethod(
        this,
        [this, outcome] {
            answer_(outcome);
            deleteLater();
        },
        Qt::QueuedConnection);
}
