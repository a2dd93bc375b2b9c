#pragma once

#include "platform/SettingsStore.h"
#include "shell/frmTintwell.h"
#include "support/QtPrinters.h"
#include "support/ScriptedDesktop.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The QApplication that test_main.cpp runs every test in.
QApplication& testApplication();

// A window on a fresh settings folder and a scripted desktop. `restart` closes the window
// (writing its settings) and opens a new one on the same folder.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    frmTintwell& open();
    // Opens the window, shows it and waits until it is active, so that keys and focus reach it.
    frmTintwell& openActive();
    frmTintwell& restart();
    void close();

    QString setting(const QString& section, const QString& key, const QString& fallback = QString()) const;
    void preset(const QString& section, const QString& key, const QString& value);

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    ScriptedDesktop desktop;
    std::unique_ptr<frmTintwell> form;
};
