#pragma once

#include "platform/SettingsStore.h"

#include <QString>

// The program's settings: the store under the program's title. Every room reaches its settings
// through this handle and never names the title or the store's file itself.
class AppSettings {
  public:
    using Rows = QList<QPair<QString, QString>>;

    AppSettings(SettingsStore& store, QString app) : store_(store), app_(std::move(app)) {}

    QString get(const QString& section, const QString& key, const QString& defaultValue) const {
        return store_.GetSetting(app_, section, key, defaultValue);
    }
    void save(const QString& section, const QString& key, const QString& value) {
        store_.SaveSetting(app_, section, key, value);
    }
    // Several changes in one replace of the file.
    void saveAll(const QList<SettingsStore::Change>& changes) { store_.SaveSettings(app_, changes); }
    // The section's rows (key, value) in the order the keys were first written.
    Rows rows(const QString& section) const { return store_.GetAllSettings(app_, section); }
    void remove(const QString& section, const QString& key) { store_.DeleteSetting(app_, section, key); }

    SettingsStore& store() const { return store_; }
    const QString& app() const { return app_; }

  private:
    SettingsStore& store_;
    QString app_;
};
