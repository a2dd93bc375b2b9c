// Every test program runs inside one QApplication that lives on main's stack, so Qt is
// torn down in order before the program exits. Qt's own settings (the colour dialog keeps its
// custom colours there) go to a private folder, never to the user's.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir config;
    if (!config.isValid()) {
        return 2;
    }
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
