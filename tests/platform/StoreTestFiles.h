#pragma once

// What the settings store's tests share: a store on a fresh folder, and reading and writing
// its files behind its back.
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

inline const QString App = QStringLiteral("Tintwell");
using Rows = QList<QPair<QString, QString>>;

class StoreFixture : public testing::Test {
  protected:
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    QString file() const { return store.filePath(App); }
    void makeFolder() const { QDir().mkpath(QFileInfo(file()).absolutePath()); }
};

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline long lineCount(const std::string& s) {
    return std::count(s.begin(), s.end(), '\n');
}
