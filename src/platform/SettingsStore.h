#pragma once

// Settings file format
//
// One UTF-8 text file per app, <configRoot>/<app>/<app>.conf:
//
//   [Section]
//   key=value
//
// Sections and keys are kept in the order they were first created; overwriting a key keeps
// its place. Blank lines and lines starting with ';' or '#' are ignored, and blanks or tabs
// around a section name, key or value are dropped. Names and keys are case-sensitive.
//
// Section names, keys and values are escaped so that any text comes back exactly:
//   \\            backslash
//   \n  \r  \t    line feed, carriage return, tab
//   \=  \[  \]    the character itself
//   \;  \#  \%    the character itself
//   \s            a blank; every blank at the start or end of a text is written this way,
//                 blanks inside a text are written as they are
//   \xHH          any other control character, U+0000..U+001F and U+007F..U+009F
//                 (exactly two hex digits)
//   \u{H..}       a code point by number, 1 to 6 hex digits; written only for a lone
//                 surrogate, which UTF-8 cannot carry
// Everything else, non-ASCII included, is written as plain UTF-8. A backslash followed by
// anything else, or a cut-off \x or \u{ escape, makes the file unreadable.
//
// An unreadable file is one that is not valid UTF-8, holds control bytes such as NUL, or has
// a line that is not blank, a comment, a complete [section] line or a key=value line under a
// section. A last line without a newline is fine. Reads then give the defaults; the first
// write moves the file aside to <file>.unreadable (or .unreadable-N) before saving anew.
// If the path is a directory or the folder cannot be written, writes do nothing. Each kind
// of trouble is reported once per process on standard error.
//
// Nothing is cached: every call reads the file, and every write re-reads, edits and atomically
// replaces it while holding <file>.lock, so processes writing different keys lose nothing.

#include <QList>
#include <QPair>
#include <QString>

class SettingsStore {
  public:
    explicit SettingsStore(QString configRoot);

    // $XDG_CONFIG_HOME, or ~/.config when unset, empty or not absolute.
    static QString defaultConfigRoot();

    QString filePath(const QString& app) const;

    // How long a write waits for another process's lock before it saves without it.
    void setLockWaitMs(int ms) { m_lockWaitMs = ms; }

    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& defaultValue) const;
    void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);
    void DeleteSetting(const QString& app, const QString& section, const QString& key);
    // Rows (key, value) in the order the keys were first created; empty when the section is
    // missing or empty.
    QList<QPair<QString, QString>> GetAllSettings(const QString& app, const QString& section) const;

  private:
    QString m_configRoot;
    int m_lockWaitMs = 5000;
};
