#include "platform/SettingsStoreFormat.h"

#include <QHash>
#include <QStringDecoder>

namespace settingsFormat {

namespace {

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

// Characters written as a backslash and a letter.
constexpr QStringView Named = u"\n\r\t ";
constexpr QStringView NamedLetters = u"nrts";

// Characters written as a backslash and themselves.
bool isSelfEscaped(QChar c) {
    switch (c.unicode()) {
    case u'\\':
    case u'=':
    case u'[':
    case u']':
    case u';':
    case u'#':
    case u'%':
        return true;
    default:
        return false;
    }
}

// -1 for a character that is not a hex digit.
int hexDigit(QChar c) {
    return int(QStringView(u"0123456789abcdef").indexOf(c.toLower()));
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

bool isBlankOrComment(QStringView trimmedLine) {
    return trimmedLine.isEmpty() || trimmedLine.startsWith(u';') || trimmedLine.startsWith(u'#');
}

void dropTrailingBlanks(QList<Entry>& entries) {
    while (!entries.isEmpty() && !entries.last().isSetting && entries.last().verbatim.isEmpty())
        entries.removeLast();
}

// Builds a document line by line; a line that does not read is left out and counted.
class Reader {
  public:
    void line(qsizetype number, QStringView text, bool decoded) {
        const QString problem = read(text, decoded);
        if (problem.isEmpty())
            return;
        if (result.badLines++ == 0)
            result.firstProblem = QStringLiteral("line %1 %2").arg(number).arg(problem);
    }

    Parsed finish() {
        while (!result.doc.preamble.isEmpty() && result.doc.preamble.last().isEmpty())
            result.doc.preamble.removeLast();
        for (Section& section : result.doc.sections)
            dropTrailingBlanks(section.entries);
        return std::move(result);
    }

  private:
    Parsed result;
    qsizetype current = -1; // section that settings go to
    bool underBadHeader = false;
    qsizetype lastGood = -1; // section that comments go to
    QHash<QString, qsizetype> sectionAt;
    QList<QHash<QString, qsizetype>> keyAt;

    QString read(QStringView text, bool decoded) {
        if (!decoded)
            return QStringLiteral("is not valid UTF-8");
        if (text.endsWith(u'\r'))
            text.chop(1);
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if ((u < 0x20 && u != u'\t' && u != u'\r') || u == 0x7f)
                return QStringLiteral("contains binary data");
        }
        if (text.contains(u'\r'))
            return QStringLiteral("has a stray carriage return");
        const QStringView line = trimmed(text);
        if (isBlankOrComment(line)) {
            const QString kept = line.isEmpty() ? QString() : text.toString();
            if (lastGood < 0)
                result.doc.preamble.append(kept);
            else
                result.doc.sections[lastGood].entries.append(Entry{{}, {}, kept, false});
            return {};
        }
        if (line.startsWith(u'['))
            return header(line.sliced(1));
        return setting(line);
    }

    QString header(QStringView inner) {
        current = -1;
        underBadHeader = true;
        QString name;
        if (inner.isEmpty() || findUnescaped(inner, u']') != inner.size() - 1)
            return QStringLiteral("is an unfinished [section] line");
        if (!unescapeText(trimmed(inner.chopped(1)), name))
            return QStringLiteral("has a broken escape");
        underBadHeader = false;
        const auto found = sectionAt.constFind(name);
        if (found != sectionAt.cend()) {
            current = *found;
        } else {
            current = result.doc.sections.size();
            sectionAt.insert(name, current);
            result.doc.sections.append(Section{name, {}});
            keyAt.append(QHash<QString, qsizetype>());
        }
        lastGood = current;
        return {};
    }

    QString setting(QStringView line) {
        const qsizetype eq = findUnescaped(line, u'=');
        if (eq < 0)
            return QStringLiteral("is not a section, setting or comment");
        if (current < 0)
            return underBadHeader ? QStringLiteral("belongs to an unreadable [section] line")
                                  : QStringLiteral("has a setting before any section");
        QString key;
        QString value;
        if (!unescapeText(trimmed(line.first(eq)), key) || !unescapeText(trimmed(line.sliced(eq + 1)), value))
            return QStringLiteral("has a broken escape");
        QList<Entry>& entries = result.doc.sections[current].entries;
        QHash<QString, qsizetype>& keys = keyAt[current];
        // A key given twice keeps its first place and its last value.
        const auto found = keys.constFind(key);
        if (found != keys.cend()) {
            entries[*found].value = value;
        } else {
            keys.insert(key, entries.size());
            entries.append(Entry{key, value, {}, true});
        }
        return {};
    }
};

qsizetype findKey(const Section& section, const QString& key) {
    for (qsizetype i = 0; i < section.entries.size(); ++i)
        if (section.entries[i].isSetting && section.entries[i].key == key)
            return i;
    return -1;
}

// Appends `text` escaped. Runs of plain characters are copied whole; most texts have only a
// few escapes.
void appendEscaped(QString& out, const QString& text) {
    qsizetype lead = 0;
    qsizetype trail = text.size();
    while (lead < trail && text[lead] == u' ')
        ++lead;
    while (trail > lead && text[trail - 1] == u' ')
        --trail;

    qsizetype run = 0;
    const auto escape = [&](qsizetype at, QStringView written) {
        out.append(QStringView(text).sliced(run, at - run));
        out.append(written);
        run = at + 1;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u > u' ' && u < 0x7f) {
            if (isSelfEscaped(c)) {
                const QChar pair[2] = {u'\\', c};
                escape(i, QStringView(pair, 2));
            }
        } else if (u == u' ') {
            if (i < lead || i >= trail)
                escape(i, u"\\s");
        } else if (const qsizetype named = Named.indexOf(c); named >= 0) {
            const QChar pair[2] = {u'\\', NamedLetters[named]};
            escape(i, QStringView(pair, 2));
        } else if (u < 0x20 || (u >= 0x7f && u <= 0x9f)) {
            escape(i, QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0')));
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            escape(i, QStringLiteral("\\u{%1}").arg(uint(u), 0, 16));
        }
    }
    out.append(QStringView(text).sliced(run));
}

} // namespace

QString escapeText(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    appendEscaped(out, text);
    return out;
}

bool unescapeText(QStringView raw, QString& out) {
    const qsizetype n = raw.size();
    qsizetype i = raw.indexOf(u'\\');
    if (i < 0) {
        out = raw.toString();
        return true;
    }
    out.clear();
    out.reserve(n);
    qsizetype run = 0;
    for (; i < n; ++i) {
        if (raw[i] != u'\\')
            continue;
        out.append(raw.sliced(run, i - run));
        if (++i == n)
            return false;
        run = i + 1;
        if (isSelfEscaped(raw[i])) {
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
            run = i + 1;
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
        run = i + 1;
    }
    out.append(raw.sliced(run));
    return true;
}

Parsed parse(QByteArrayView bytes) {
    Reader reader;
    QStringDecoder whole(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = whole.decode(bytes);
    if (!whole.hasError()) {
        qsizetype number = 1;
        for (QStringView line : QStringView(text).tokenize(u'\n'))
            reader.line(number++, line, true);
        return reader.finish();
    }
    // Decode line by line so that one bad byte costs one line, not the file.
    qsizetype number = 1;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (number == 1 && line.startsWith("\xEF\xBB\xBF"))
            line = line.sliced(3);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(line);
        reader.line(number++, decoded, !decoder.hasError());
        start = end + 1;
    }
    return reader.finish();
}

QByteArray serialise(const Document& doc) {
    // Room for the unescaped text and some escapes, so that a large file's text is not moved
    // again and again while it grows.
    qsizetype size = 0;
    for (const QString& line : doc.preamble)
        size += line.size() + 1;
    for (const Section& section : doc.sections) {
        size += section.name.size() + 4;
        for (const Entry& entry : section.entries)
            size += entry.key.size() + entry.value.size() + entry.verbatim.size() + 2;
    }
    QString text;
    text.reserve(size + size / 4);
    for (const QString& line : doc.preamble) {
        text += line;
        text += u'\n';
    }
    for (const Section& section : doc.sections) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[';
        appendEscaped(text, section.name);
        text += u"]\n";
        for (const Entry& entry : section.entries) {
            if (entry.isSetting) {
                appendEscaped(text, entry.key);
                text += u'=';
                appendEscaped(text, entry.value);
            } else {
                text += entry.verbatim;
            }
            text += u'\n';
        }
    }
    return text.toUtf8();
}

qsizetype findSection(const Document& doc, const QString& name) {
    for (qsizetype i = 0; i < doc.sections.size(); ++i)
        if (doc.sections[i].name == name)
            return i;
    return -1;
}

Rows rows(const Section& section) {
    Rows out;
    out.reserve(section.entries.size());
    for (const Entry& entry : section.entries)
        if (entry.isSetting)
            out.append({entry.key, entry.value});
    return out;
}

bool setValue(Document& doc, const QString& section, const QString& key, const QString& value) {
    qsizetype s = findSection(doc, section);
    if (s < 0) {
        doc.sections.append(Section{section, {}});
        s = doc.sections.size() - 1;
    }
    QList<Entry>& entries = doc.sections[s].entries;
    const qsizetype k = findKey(doc.sections[s], key);
    if (k < 0) {
        entries.append(Entry{key, value, {}, true});
        return true;
    }
    if (entries[k].value == value)
        return false;
    entries[k].value = value;
    return true;
}

bool removeKey(Document& doc, const QString& section, const QString& key) {
    const qsizetype s = findSection(doc, section);
    const qsizetype k = s < 0 ? -1 : findKey(doc.sections[s], key);
    if (k < 0)
        return false;
    QList<Entry>& entries = doc.sections[s].entries;
    entries.removeAt(k);
    dropTrailingBlanks(entries);
    // A section left with neither settings nor comments goes too.
    if (entries.isEmpty())
        doc.sections.removeAt(s);
    return true;
}

const QString* findValue(const Document& doc, const QString& section, const QString& key) {
    const qsizetype s = findSection(doc, section);
    const qsizetype k = s < 0 ? -1 : findKey(doc.sections[s], key);
    return k < 0 ? nullptr : &doc.sections[s].entries[k].value;
}

} // namespace settingsFormat
