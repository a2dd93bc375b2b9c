#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "shell/CommandLine.h"
#include "shell/frmTintwell.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace {
// Qt aborts with a long trace when it finds no display; say it plainly instead.
bool displayReachable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (set("QT_QPA_PLATFORM") || set("WAYLAND_DISPLAY")) {
        return true;
    }
    if (!set("DISPLAY")) {
        return false;
    }
    // A local display ":N" is reachable only while its server's socket exists.
    const QString display = QString::fromLocal8Bit(std::getenv("DISPLAY"));
    if (display.startsWith(QLatin1Char(':'))) {
        const QString number = display.mid(1).section(QLatin1Char('.'), 0, 0);
        return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + number);
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    if (const auto status = handleCommandLine(argc, argv)) {
        return *status;
    }
    if (!displayReachable()) {
        std::fprintf(stderr,
                     "tintwell: no display found (DISPLAY is not set or its X server is not running); "
                     "to run without a screen, start it as: xvfb-run -a tintwell\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(frmTintwell::Title);
    SettingsStore store(SettingsStore::defaultConfigRoot());
    QtDesktopServices desktop;
    frmTintwell window(store, desktop);
    window.show();
    return QApplication::exec();
}
