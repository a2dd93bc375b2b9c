// Writes COUNT keys named PREFIX0..PREFIX<COUNT-1> one call at a time, so that two of these
// running at once contend for the settings file lock on every write.
#include "platform/SettingsStore.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: settings_writer CONFIG_ROOT PREFIX COUNT\n");
        return 2;
    }
    SettingsStore store(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i)
        store.SaveSetting(QStringLiteral("Tintwell"), QStringLiteral("Keys"), prefix + QString::number(i),
                          QString::number(i));
    // A write that met the other writer's lock is kept; wait for it to go through.
    return store.flush(60000) ? 0 : 1;
}
