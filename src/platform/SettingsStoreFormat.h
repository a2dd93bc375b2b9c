#pragma once

// Settings file format
//
// One UTF-8 text file per app, <configRoot>/<app>/<app>.conf:
//
//   [Section]
//   key=value
//
// Sections and keys are kept in the order they were first created; overwriting a key keeps
// its place. Blanks or tabs around a section name, key or value are dropped. Names and keys are
// case-sensitive. Comment lines (starting with ';' or '#') and blank lines are kept where they
// stand; the blank lines at the end of a section are written as the one blank line that
// separates it from the next.
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
// anything else, or a cut-off \x or \u{ escape, makes the line unreadable.
//
// An unreadable line is one that is not valid UTF-8, holds control bytes such as NUL, or is
// not blank, a comment, a complete [section] line or a key=value line under a readable
// section. Such lines are left out and the rest of the file is used. A last line without a
// newline is fine.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace settingsFormat {

using Rows = QList<QPair<QString, QString>>;

// A setting, or a comment or blank line kept word for word.
struct Entry {
    QString key;
    QString value;
    QString verbatim;
    bool isSetting = true;
    bool operator==(const Entry&) const = default;
};

struct Section {
    QString name;
    QList<Entry> entries;
    bool operator==(const Section&) const = default;
};

struct Document {
    QStringList preamble; // comments and blank lines before the first section
    QList<Section> sections;
    bool operator==(const Document&) const = default;
};

struct Parsed {
    Document doc;
    int badLines = 0;
    QString firstProblem; // "line 3 is not a section, setting or comment"
};

Parsed parse(QByteArrayView bytes);
QByteArray serialise(const Document& doc);

QString escapeText(const QString& text);
// False on an unknown or cut-off escape.
bool unescapeText(QStringView raw, QString& out);

qsizetype findSection(const Document& doc, const QString& name);
Rows rows(const Section& section);
// Both return false when the document already was that way.
bool setValue(Document& doc, const QString& section, const QString& key, const QString& value);
bool removeKey(Document& doc, const QString& section, const QString& key);
// The value, or nullptr.
const QString* findValue(const Document& doc, const QString& section, const QString& key);

} // namespace settingsFormat
