#pragma once

// The settings file of an app: <configRoot>/<app>/<app>.conf, in the format described in
// SettingsStoreFormat.h.
//
// Reads parse the file only when it changed (size, time or identity), so running copies see
// each other's writes at once. Every write takes <file>.lock without waiting, re-reads, edits
// and atomically replaces the file, and only if nobody replaced it in between. A write that
// cannot be made now (the lock is held by a live process, the disk is full, ...) is kept: reads
// already show it, it is retried in the background, and `flush` and `unsaved` tell what is left.
// A lock whose process has died is taken over at once; one that names no process, once it is
// a few seconds old (OwnerlessLock.h).
//
// A file with unreadable lines gives the lines that read; before the first write the original
// is moved aside to <file>.unreadable (or .unreadable-N). Each kind of trouble is told once
// per file, on standard error and to the notice handler.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class SettingsStore {
  public:
    struct Change {
        QString section;
        QString key;
        QString value;
        bool remove = false;
    };
    struct Unsaved {
        QString file;
        QStringList keys; // "Section/key"
        QString reason;
    };
    using NoticeHandler = std::function<void(const QString& text)>;

    explicit SettingsStore(QString configRoot);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // $XDG_CONFIG_HOME, or ~/.config when unset, empty or not absolute.
    static QString defaultConfigRoot();

    QString filePath(const QString& app) const;

    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // These return true when the file holds the change on return.
    bool SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
    bool DeleteSetting(const QString& app, const QString& section, const QString& key);
    // Several changes in one atomic replace.
    bool SaveSettings(const QString& app, const QList<Change>& changes);
    // Rows (key, value) in the order the keys were first created; empty when the section is
    // missing or empty.
    QList<QPair<QString, QString>> GetAllSettings(const QString& app, const QString& section) const;

    // Retries the kept writes until none is left or `waitMs` has passed; true when none is left.
    bool flush(int waitMs);
    QList<Unsaved> unsaved() const;

    // Also told each notice (besides standard error); empty to stop.
    void setNoticeHandler(NoticeHandler handler);

  private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
