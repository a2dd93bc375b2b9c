#pragma once

#include "pick/PickOutcome.h"

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

// Asks the desktop portal's colour picker (Screenshot.PickColor, from the interface's
// version 2) over the session bus. Ends itself after telling its outcome once; no outcome
// (nullopt) means that the portal does not offer picking and the caller may pick otherwise.
class PortalPick : public QObject {
    Q_OBJECT
  public:
    using Answer = std::function<void(const std::optional<PickOutcome>&)>;

    // `parentWindow` as the portal takes it: "x11:<hex id>", or empty.
    static void start(const QString& parentWindow, Answer answer);

  private slots:
    void response(uint response, const QVariantMap& results);

  private:
    PortalPick(QString parentWindow, Answer answer);
    void versionRead(QDBusPendingCallWatcher* call);
    void pickAsked(QDBusPendingCallWatcher* call);
    bool listenOn(const QString& path);
    void finish(const std::optional<PickOutcome>& outcome);

    QString parentWindow_;
    Answer answer_;
    QString requestPath_;
    QDBusServiceWatcher* portalGone_ = nullptr;
    bool finished_ = false;
};
