#include "platform/EndOnSignal.h"
#include "platform/PlatformStart.h"
#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "shell/CommandLine.h"
#include "shell/frmTintwell.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (const auto status = handleCommandLine(argc, argv)) {
        return *status;
    }
    // Qt tries the display itself; if it reaches none, the program says so in one line.
    platformStart::guard();
    QApplication app(argc, argv);
    platformStart::release();
    // Also the X11 window class, which the desktop entry's StartupWMClass names.
    QApplication::setApplicationName(frmTintwell::Title);
    // The Wayland app id: the desktop matches the window to the installed entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(TINTWELL_APP_ID));
    SettingsStore store(SettingsStore::defaultConfigRoot());
    QtDesktopServices desktop;
    frmTintwell window(store, desktop);
    window.show();
    endOnSignal::install(&app, [&window] { window.close(); });
    return QApplication::exec();
}
