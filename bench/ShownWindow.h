#pragma once

// The real window shown on Qt's offscreen platform over a settings store in a given folder,
// for the benchmarks that drive it through its handlers.
#include "platform/SettingsStore.h"
#include "shell/frmTintwell.h"

#include <QApplication>
#include <QString>

// Lets the events of showing, painting and deferred work run.
inline void settleEvents() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

template <typename Desktop> struct ShownWindow {
    Desktop desktop;
    SettingsStore store;
    frmTintwell form{store, desktop};

    explicit ShownWindow(const QString& settingsRoot) : store(settingsRoot) {
        form.show();
        settleEvents();
    }
};
