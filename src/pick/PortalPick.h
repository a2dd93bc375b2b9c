#pragma once

#include "pick/PickOutcome.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

// Asks the desktop portal's colour picker (Screenshot.PickColor, from the interface's
// version 2) over the session bus. Ends itself after telling its outcome once; Unavailable
// means that the portal offers no picker (the message names what is missing) and the caller
// may pick otherwise.
class PortalPick : public QObject {
    Q_OBJECT
  public:
    // `parentWindow` as the portal takes it: "x11:<hex id>", or empty.
    static QPointer<PortalPick> start(const QString& parentWindow, PickDone answer);

    // Ends the pick as Cancelled once the portal's request is closed, so that the desktop can
    // end its picker too.
    void cancel();

  private slots:
    void response(uint response, const QVariantMap& results);

  private:
    PortalPick(QString parentWindow, PickDone answer);
    void versionRead(QDBusPendingCallWatcher* call);
    void pickAsked(QDBusPendingCallWatcher* call);
    bool listenOn(const QString& path);
    void stopListening();
    void closeRequest();
    void finish(const PickOutcome& outcome);

    QString parentWindow_;
    PickDone answer_;
    QString requestPath_;
    QDBusServiceWatcher* portalGone_ = nullptr;
    bool askSent_ = false;  // PickColor went out
    bool answered_ = false; // and came back with the request that answers
    bool cancelling_ = false;
    bool finished_ = false;
};
