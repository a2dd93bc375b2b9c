#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

using Rows = QList<QPair<QString, QString>>;

struct Section {
    QString name;
    Rows rows;
};
using Document = QList<Section>;

// A crashed holder is noticed at once by its dead pid; the age limit only covers a hung one.
constexpr int StaleLockMs = 10000;

// Only blanks and tabs: other spaces are written unescaped and must survive a read.
QStringView trimmed(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && (s[begin] == u' ' || s[begin] == u'\t'))
        ++begin;
    while (end > begin && (s[end - 1] == u' ' || s[end - 1] == u'\t'))
        --end;
    return s.sliced(begin, end - begin);
}

// Characters written as a backslash and themselves, and those written as a backslash and a letter.
constexpr QStringView SelfEscaped = u"\\=[];#%";
constexpr QStringView Named = u"\n\r\t ";
constexpr QStringView NamedLetters = u"nrts";

QString escapeText(const QString& text) {
    qsizetype lead = 0;
    qsizetype trail = text.size();
    while (lead < trail && text[lead] == u' ')
        ++lead;
    while (trail > lead && text[trail - 1] == u' ')
        --trail;

    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        const qsizetype named = (u == u' ' && i >= lead && i < trail) ? -1 : Named.indexOf(c);
        if (SelfEscaped.contains(c)) {
            out += u'\\';
            out += c;
        } else if (named >= 0) {
            out += u'\\';
            out += NamedLetters[named];
        } else if (u < 0x20 || (u >= 0x7f && u <= 0x9f)) {
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (c.isSurrogate()) {
            out += QStringLiteral("\\u{%1}").arg(uint(u), 0, 16);
        } else {
            out += c;
        }
    }
    return out;
}

// -1 for a character that is not a hex digit.
int hexDigit(QChar c) {
    return int(QStringView(u"0123456789abcdef").indexOf(c.toLower()));
}

// False on an unknown or cut-off escape.
bool unescapeText(QStringView raw, QString& out) {
    out.clear();
    out.reserve(raw.size());
    const qsizetype n = raw.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (raw[i] != u'\\') {
            out += raw[i];
            continue;
        }
        if (++i == n)
            return false;
        if (SelfEscaped.contains(raw[i])) {
            out += raw[i];
            continue;
        }
        if (const qsizetype named = NamedLetters.indexOf(raw[i]); named >= 0) {
            out += Named[named];
            continue;
        }
        if (raw[i] == u'x') {
            if (i + 2 >= n || hexDigit(raw[i + 1]) < 0 || hexDigit(raw[i + 2]) < 0)
                return false;
            out += QChar(char16_t(hexDigit(raw[i + 1]) * 16 + hexDigit(raw[i + 2])));
            i += 2;
            continue;
        }
        if (raw[i] != u'u' || i + 1 >= n || raw[i + 1] != u'{')
            return false;
        char32_t code = 0;
        qsizetype j = i + 2;
        for (; j < n && j - (i + 2) < 6 && hexDigit(raw[j]) >= 0; ++j)
            code = code * 16 + char32_t(hexDigit(raw[j]));
        if (j == i + 2 || j >= n || raw[j] != u'}' || code > 0x10FFFF)
            return false;
        if (code > 0xFFFF) {
            out += QChar(QChar::highSurrogate(code));
            out += QChar(QChar::lowSurrogate(code));
        } else {
            out += QChar(char16_t(code));
        }
        i = j;
    }
    return true;
}

// Index of the first `target` that is not part of an escape, or -1.
qsizetype findUnescaped(QStringView raw, QChar target) {
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'\\')
            ++i;
        else if (raw[i] == target)
            return i;
    }
    return -1;
}

qsizetype findSection(const Document& doc, const QString& name) {
    for (qsizetype i = 0; i < doc.size(); ++i)
        if (doc[i].name == name)
            return i;
    return -1;
}

qsizetype ensureSection(Document& doc, const QString& name) {
    const qsizetype at = findSection(doc, name);
    if (at >= 0)
        return at;
    doc.append({name, {}});
    return doc.size() - 1;
}

qsizetype findKey(const Rows& rows, const QString& key) {
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (rows[i].first == key)
            return i;
    return -1;
}

// Returns false when the row already held this value.
bool setRow(Rows& rows, const QString& key, const QString& value) {
    const qsizetype at = findKey(rows, key);
    if (at < 0) {
        rows.append({key, value});
        return true;
    }
    if (rows[at].second == value)
        return false;
    rows[at].second = value;
    return true;
}

// Fills `doc`, or returns a short reason why the text is not a settings file.
QString parse(QStringView text, Document& doc) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7f)
            return QStringLiteral("contains binary data");
    }
    qsizetype current = -1;
    const QList<QStringView> lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringView line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString where = QStringLiteral("line %1 ").arg(n + 1);
        if (line.contains(u'\r'))
            return where + QStringLiteral("has a stray carriage return");
        line = trimmed(line);
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;

        if (line.startsWith(u'[')) {
            const QStringView inner = line.sliced(1);
            QString name;
            if (findUnescaped(inner, u']') != inner.size() - 1)
                return where + QStringLiteral("is an unfinished [section] line");
            if (!unescapeText(trimmed(inner.chopped(1)), name))
                return where + QStringLiteral("has a broken escape");
            current = ensureSection(doc, name);
            continue;
        }

        const qsizetype eq = findUnescaped(line, u'=');
        if (eq < 0)
            return where + QStringLiteral("is not a section, setting or comment");
        if (current < 0)
            return where + QStringLiteral("has a setting before any section");
        QString key;
        QString value;
        if (!unescapeText(trimmed(line.first(eq)), key) || !unescapeText(trimmed(line.sliced(eq + 1)), value))
            return where + QStringLiteral("has a broken escape");
        setRow(doc[current].rows, key, value);
    }
    return {};
}

QByteArray serialise(const Document& doc) {
    QString text;
    for (const Section& section : doc) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + escapeText(section.name) + QStringLiteral("]\n");
        for (const auto& [key, value] : section.rows)
            text += escapeText(key) + u'=' + escapeText(value) + u'\n';
    }
    return text.toUtf8();
}

struct Loaded {
    Document doc;
    QString problem;       // empty when the file read cleanly or is missing
    bool keepable = false; // a regular file that can be moved aside
};

Loaded load(const QString& path) {
    Loaded result;
    const QFileInfo info(path);
    if (!info.exists())
        return result;
    if (info.isDir()) {
        result.problem = QStringLiteral("it is a directory");
        return result;
    }
    if (!info.isFile()) {
        // Opening a pipe or device could block forever.
        result.problem = QStringLiteral("it is not a regular file");
        return result;
    }
    result.keepable = true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            result.keepable = false;
        else
            result.problem = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.problem = file.errorString();
        return result;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        result.problem = QStringLiteral("not valid UTF-8");
    else
        result.problem = parse(text, result.doc);
    if (!result.problem.isEmpty())
        result.doc.clear();
    return result;
}

enum class Notice { Unreadable, NotSaved, Unlocked };

// Each kind of trouble with a file is worth one line per process, not one per call.
void reportOnce(const QString& path, Notice kind, const QString& line) {
    static QMutex mutex;
    static QSet<QPair<QString, int>> told;
    const QMutexLocker locker(&mutex);
    const QPair<QString, int> id{path, int(kind)};
    if (told.contains(id))
        return;
    told.insert(id);
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

QString keptName(const QString& path) {
    QString name = path + QStringLiteral(".unreadable");
    for (int n = 1; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = path + QStringLiteral(".unreadable-%1").arg(n);
    return name;
}

QString prefix(const QString& app, const QString& path) {
    return QStringLiteral("%1: settings file %2").arg(app, QDir::toNativeSeparators(path));
}

void reportUnreadable(const QString& app, const QString& path, const Loaded& loaded, const QString& kept,
                      bool moved) {
    QString outcome;
    if (!loaded.keepable)
        outcome = QStringLiteral("settings will not be saved");
    else if (moved)
        outcome = QStringLiteral("the file is kept as %1").arg(QDir::toNativeSeparators(kept));
    else
        outcome = QStringLiteral("the file will be kept as %1 when settings are next saved")
                      .arg(QDir::toNativeSeparators(kept));
    reportOnce(path, Notice::Unreadable,
               QStringLiteral("%1 cannot be read (%2); starting from defaults, %3")
                   .arg(prefix(app, path), loaded.problem, outcome));
}

Loaded loadForReading(const QString& app, const QString& path) {
    Loaded loaded = load(path);
    if (!loaded.problem.isEmpty())
        reportUnreadable(app, path, loaded, keptName(path), false);
    return loaded;
}

// Read-modify-write under the lock. `edit` returns false when nothing changed.
void modifyFile(const QString& app, const QString& path, int lockWaitMs,
                const std::function<bool(Document&)>& edit) {
    const auto notSaved = [&](const QString& why) {
        reportOnce(path, Notice::NotSaved,
                   QStringLiteral("%1 cannot be written (%2); settings will not be saved")
                       .arg(prefix(app, path), why));
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return notSaved(QStringLiteral("cannot create folder %1").arg(QDir::toNativeSeparators(folder)));

    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    if (!lock.tryLock(lockWaitMs)) {
        if (lock.error() != QLockFile::LockFailedError)
            return notSaved(
                QStringLiteral("cannot create the lock file in %1").arg(QDir::toNativeSeparators(folder)));
        // Losing this change for sure is worse than the small chance of racing a stuck writer.
        reportOnce(path, Notice::Unlocked,
                   QStringLiteral("%1 is locked by another process (%2.lock); saving without the lock")
                       .arg(prefix(app, path), QDir::toNativeSeparators(path)));
    }

    Loaded loaded = load(path);
    if (!loaded.problem.isEmpty() && !loaded.keepable)
        return reportUnreadable(app, path, loaded, QString(), false);
    if (!edit(loaded.doc))
        return;
    if (!loaded.problem.isEmpty()) {
        const QString kept = keptName(path);
        if (!QFile::rename(path, kept))
            return notSaved(QStringLiteral("the unreadable file cannot be moved to %1")
                                .arg(QDir::toNativeSeparators(kept)));
        reportUnreadable(app, path, loaded, kept, true);
    }

    QSaveFile out(path);
    const QByteArray bytes = serialise(loaded.doc);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        notSaved(out.errorString());
}

} // namespace

SettingsStore::SettingsStore(QString configRoot) : m_configRoot(std::move(configRoot)) {}

QString SettingsStore::defaultConfigRoot() {
    const QString fromEnv = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!fromEnv.isEmpty() && QDir::isAbsolutePath(fromEnv))
        return fromEnv;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString SettingsStore::filePath(const QString& app) const {
    return QDir::cleanPath(m_configRoot + u'/' + app + u'/' + app + QStringLiteral(".conf"));
}

QString SettingsStore::GetSetting(const QString& app, const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    const Loaded loaded = loadForReading(app, filePath(app));
    const qsizetype s = findSection(loaded.doc, section);
    if (s < 0)
        return defaultValue;
    const qsizetype k = findKey(loaded.doc[s].rows, key);
    return k < 0 ? defaultValue : loaded.doc[s].rows[k].second;
}

void SettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                const QString& value) {
    modifyFile(app, filePath(app), m_lockWaitMs,
               [&](Document& doc) { return setRow(doc[ensureSection(doc, section)].rows, key, value); });
}

void SettingsStore::DeleteSetting(const QString& app, const QString& section, const QString& key) {
    // Nothing to delete; don't create the folder just to find that out.
    if (!QFileInfo::exists(filePath(app)))
        return;
    modifyFile(app, filePath(app), m_lockWaitMs, [&](Document& doc) {
        const qsizetype s = findSection(doc, section);
        const qsizetype k = s < 0 ? -1 : findKey(doc[s].rows, key);
        if (k < 0)
            return false;
        doc[s].rows.removeAt(k);
        if (doc[s].rows.isEmpty())
            doc.removeAt(s);
        return true;
    });
}

QList<QPair<QString, QString>> SettingsStore::GetAllSettings(const QString& app,
                                                             const QString& section) const {
    const Loaded loaded = loadForReading(app, filePath(app));
    const qsizetype s = findSection(loaded.doc, section);
    return s < 0 ? Rows{} : loaded.doc[s].rows;
}
