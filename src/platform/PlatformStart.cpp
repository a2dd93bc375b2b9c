#include "platform/PlatformStart.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* held = nullptr;

QString environment(const char* name) {
    return QString::fromLocal8Bit(qgetenv(name));
}

void pass(QtMsgType type, const char* category, const QString& text) {
    const QMessageLogContext context(nullptr, 0, nullptr, category);
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}

// Qt names each platform plugin it could not start: "... the Qt platform plugin "xcb" in ...".
QStringList triedPlatforms() {
    static const QRegularExpression named(QStringLiteral("platform plugin \"([^\"]+)\""));
    QStringList tried;
    for (const HeldMessage& message : *held) {
        const QRegularExpressionMatch match = named.match(message.text);
        if (match.hasMatch() && !tried.contains(match.captured(1))) {
            tried << match.captured(1);
        }
    }
    return tried;
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        const QString line =
            platformStart::noDisplayLine(environment("QT_QPA_PLATFORM"), environment("DISPLAY"),
                                         environment("WAYLAND_DISPLAY"), triedPlatforms());
        std::fprintf(stderr, "%s\n", qPrintable(line));
        std::fflush(stderr);
        // Half-built Qt state is not worth tearing down: leave at once, without the abort.
        std::_Exit(2);
    }
    if (type == QtFatalMsg) {
        pass(type, context.category, text);
        return;
    }
    held->append({type, QByteArray(context.category), text});
}

QString described(const QString& value) {
    return value.isEmpty() ? QStringLiteral(" unset") : QStringLiteral("=") + value;
}
} // namespace

QString platformStart::noDisplayLine(const QString& qtPlatform, const QString& display,
                                     const QString& waylandDisplay, const QStringList& triedPlatforms) {
    QStringList platforms = triedPlatforms;
    if (platforms.isEmpty()) {
        platforms << (qtPlatform.isEmpty() ? QStringLiteral("the default platform") : qtPlatform);
    }
    QStringList tries;
    for (const QString& platform : platforms) {
        if (platform.startsWith(QLatin1String("wayland"))) {
            tries << platform + QStringLiteral(" with WAYLAND_DISPLAY") + described(waylandDisplay);
        } else if (platform == QLatin1String("xcb")) {
            tries << platform + QStringLiteral(" with DISPLAY") + described(display);
        } else {
            tries << platform;
        }
    }
    return QStringLiteral("tintwell: could not reach a display (tried %1); to run it without a screen: "
                          "xvfb-run -a tintwell")
        .arg(tries.join(QStringLiteral(", then ")));
}

void platformStart::guard() {
    held = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(holdOrEnd);
}

void platformStart::release() {
    if (held == nullptr) {
        return;
    }
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : *held) {
        pass(message.type, message.category.isEmpty() ? nullptr : message.category.constData(), message.text);
    }
    delete held;
    held = nullptr;
}
