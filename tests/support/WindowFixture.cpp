#include "support/WindowFixture.h"

QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "tintwell-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: as a static it would go after Qt's own registry of input devices,
    // and the devices that simulated mouse and key events create would crash the exit.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

void WindowTest::SetUp() {
    testApplication();
    ASSERT_TRUE(dir.isValid());
    store = std::make_unique<SettingsStore>(dir.path());
}

void WindowTest::TearDown() {
    form.reset();
}

frmTintwell& WindowTest::open() {
    form = std::make_unique<frmTintwell>(*store, desktop);
    return *form;
}

void WindowTest::close() {
    if (form) {
        form->close();
        form.reset();
    }
}

frmTintwell& WindowTest::restart() {
    close();
    return open();
}

QString WindowTest::setting(const QString& section, const QString& key, const QString& fallback) const {
    return store->GetSetting(frmTintwell::Title, section, key, fallback);
}

void WindowTest::preset(const QString& section, const QString& key, const QString& value) {
    store->SaveSetting(frmTintwell::Title, section, key, value);
}
