#include "support/WindowFixture.h"

#include <QTest>

QApplication& testApplication() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

void WindowTest::SetUp() {
    ASSERT_NE(qApp, nullptr) << "tests run inside the QApplication of test_main.cpp";
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

frmTintwell& WindowTest::openActive() {
    frmTintwell& f = open();
    f.show();
    f.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    return f;
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
