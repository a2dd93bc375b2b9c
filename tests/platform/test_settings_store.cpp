#include "StoreTestFiles.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.left(80).toStdString() << (s.size() > 80 ? "...\"" : "\"");
}

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;
using SettingsStoreTest = StoreFixture;

TEST_F(SettingsStoreTest, OrderIsKeptAcrossOverwriteAndDelete) {
    store.SaveSetting(App, "Window", "left", "1");
    store.SaveSetting(App, "Window", "top", "2");
    store.SaveSetting(App, "Recent", "a", "x");
    store.SaveSetting(App, "Window", "width", "3");
    store.SaveSetting(App, "Window", "left", "10");
    store.DeleteSetting(App, "Window", "top");
    store.SaveSetting(App, "Window", "top", "20");
    EXPECT_EQ(store.GetAllSettings(App, "Window"), (Rows{{"left", "10"}, {"width", "3"}, {"top", "20"}}));

    EXPECT_EQ(readBytes(file()), "[Window]\nleft=10\nwidth=3\ntop=20\n\n[Recent]\na=x\n");
    store.DeleteSetting(App, "Recent", "a");
    const QByteArray expected = "[Window]\nleft=10\nwidth=3\ntop=20\n";
    EXPECT_EQ(readBytes(file()), expected);

    store.DeleteSetting(App, "Recent", "a");
    store.DeleteSetting(App, "Nowhere", "left");
    EXPECT_EQ(readBytes(file()), expected);
}

TEST_F(SettingsStoreTest, MissingEntriesGiveTheDefaultAndNamesAreCaseSensitive) {
    EXPECT_EQ(store.GetSetting(App, "S", "Abc", "dflt"), "dflt");
    EXPECT_TRUE(store.GetAllSettings(App, "S").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(file()));

    store.SaveSetting(App, "S", "Abc", "upper");
    store.SaveSetting(App, "S", "abc", "lower");
    store.SaveSetting(App, "S", "empty", "");
    EXPECT_EQ(store.GetSetting(App, "S", "Abc", "d"), "upper");
    EXPECT_EQ(store.GetSetting(App, "S", "abc", "d"), "lower");
    EXPECT_EQ(store.GetSetting(App, "S", "ABC", "d"), "d");
    EXPECT_EQ(store.GetSetting(App, "s", "abc", "d"), "d");
    EXPECT_EQ(store.GetSetting(App, "Other", "abc", "d"), "d");
    EXPECT_EQ(store.GetSetting(App, "S", "empty", "d"), "");
    EXPECT_TRUE(store.GetAllSettings(App, "Other").isEmpty());
}

QStringList awkwardTexts() {
    QStringList texts = {"",       "a=b",          "[x]",
                         "]",      ";semi",        "#hash",
                         "%41%",   "back\\slash",  "\\n",
                         "\\x41",  "\\u{41}",      "\\s",
                         "  lead", "trail  ",      " ",
                         "in ner", "\ttab\t",      "cr\rlf\n",
                         "\r\n",   "é ü 日本 😀",   "\u00a0nbsp\u3000",
                         "\u2028", "\x01\x1f\x7f", "Abc",
                         "abc"};
    texts << QString(QChar(0)) + "nul" << QString(QChar(0x85)) << QString(QChar(0xD800)) + "lone"
          << QString(QChar(0xDC00)) << QString(QChar(0xFEFF)) + "bom" << QString(QChar(0xFFFF));
    QString longText;
    for (int i = 0; i < 100000; ++i)
        longText += QChar(u"a= \n\\é\t;"[i % 8]);
    return texts << longText;
}

TEST_F(SettingsStoreTest, AwkwardTextsRoundTripAsSectionsKeysAndValues) {
    const QStringList texts = awkwardTexts();
    Rows asKeys;
    Rows asValues;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString n = QString::number(i);
        store.SaveSetting(App, "Keys", texts[i], n);
        store.SaveSetting(App, texts[i], "k", n);
        store.SaveSetting(App, "Values", n, texts[i]);
        asKeys.append({texts[i], n});
        asValues.append({n, texts[i]});
    }

    CaptureStderr();
    const SettingsStore fresh(dir.path());
    EXPECT_EQ(fresh.GetAllSettings(App, "Keys"), asKeys);
    EXPECT_EQ(fresh.GetAllSettings(App, "Values"), asValues);
    for (qsizetype i = 0; i < texts.size(); ++i)
        EXPECT_EQ(fresh.GetSetting(App, texts[i], "k", "missing"), QString::number(i)) << "text " << i;
    EXPECT_EQ(GetCapturedStderr(), "");

    // Plain text a person can read: UTF-8 as is, no raw control characters inside a line.
    const QByteArray bytes = readBytes(file());
    EXPECT_TRUE(bytes.contains("é ü 日本 😀"));
    EXPECT_EQ(std::count_if(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x20 && c != '\n'; }),
              0);
}

TEST_F(SettingsStoreTest, HandEditedFileReads) {
    writeBytes(file(), "\xEF\xBB\xBF; comment\r\n# other\r\n\r\n  [ Main ]  \r\n key = spaced value \r\n"
                       "k2=a=b;c\r\nhex=\\x1B\\u{1F600}\\u{e9}\n[Main]\nkey=again\nlast=no newline");
    CaptureStderr();
    EXPECT_EQ(store.GetAllSettings(App, "Main"),
              (Rows{{"key", "again"}, {"k2", "a=b;c"}, {"hex", "\x1b😀é"}, {"last", "no newline"}}));
    EXPECT_EQ(GetCapturedStderr(), "");
}

struct BadFile {
    const char* name;
    QByteArray bytes;
    const char* reason;
    Rows readable; // what the lines that read still give
};

void PrintTo(const BadFile& bad, std::ostream* os) {
    *os << bad.name;
}

class SettingsStoreBadFile : public SettingsStoreTest, public testing::WithParamInterface<BadFile> {};

TEST_P(SettingsStoreBadFile, ReadsWhatItCanKeepsACopyAndSaysSoOnce) {
    const QByteArray original = GetParam().bytes;
    writeBytes(file(), original);

    CaptureStderr();
    EXPECT_EQ(store.GetAllSettings(App, "Main"), GetParam().readable);
    store.DeleteSetting(App, "Main", "absent");
    EXPECT_EQ(readBytes(file()), original);

    store.SaveSetting(App, "Main", "key", "new");
    store.SaveSetting(App, "Main", "other", "new2");
    Rows expected = GetParam().readable;
    const auto key =
        std::find_if(expected.begin(), expected.end(), [](const auto& row) { return row.first == "key"; });
    if (key == expected.end())
        expected.append(qMakePair(QString("key"), QString("new")));
    else
        key->second = "new";
    expected.append(qMakePair(QString("other"), QString("new2")));
    EXPECT_EQ(store.GetAllSettings(App, "Main"), expected);
    EXPECT_EQ(SettingsStore(dir.path()).GetAllSettings(App, "Main"), expected) << "as a fresh copy reads it";
    const std::string err = GetCapturedStderr();

    EXPECT_EQ(readBytes(file() + ".unreadable"), original);
    EXPECT_EQ(lineCount(err), 1) << err;
    EXPECT_NE(err.find(file().toStdString() + " cannot be read"), std::string::npos) << err;
    EXPECT_NE(err.find(GetParam().reason), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsStoreBadFile,
    testing::Values(
        BadFile{"Garbage",
                "[Main]\nkey=1\nthis is not a setting\nb=2\n",
                "line 3 is not a section",
                {{"key", "1"}, {"b", "2"}}},
        BadFile{"Nul", QByteArray("[Main]\nkey=1\n\0\0\0", 16), "line 3 contains binary", {{"key", "1"}}},
        BadFile{"Image", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "line 1 is not valid UTF-8", {}},
        BadFile{"Latin1Byte",
                "[Main]\nkey=1\nname=caf\xE9\nz=3\n",
                "line 3 is not valid UTF-8",
                {{"key", "1"}, {"z", "3"}}},
        BadFile{"CutUtf8", "[Main]\nkey=caf\xC3", "not valid UTF-8", {}},
        BadFile{"EncodedSurrogate", "[Main]\nkey=\xED\xA0\x80\n", "not valid UTF-8", {}},
        BadFile{"CutEscape", "[Main]\nkey=abc\\", "line 2 has a broken escape", {}},
        BadFile{"CutHexEscape", "[Main]\nkey=\\x4\nb=1", "line 2 has a broken escape", {{"b", "1"}}},
        BadFile{"CutCodeEscape", "[Main]\nkey=\\u{41\n", "line 2 has a broken escape", {}},
        BadFile{"UnknownEscape", "[Main]\nkey=\\q\n", "line 2 has a broken escape", {}},
        BadFile{
            "CutSection", "[Main]\nkey=1\n[Sect\nx=1\n", "line 3 is an unfinished [section]", {{"key", "1"}}},
        BadFile{
            "LoneBracket", "[Main]\nkey=1\n[\nx=1\n", "line 3 is an unfinished [section]", {{"key", "1"}}},
        BadFile{"EscapedCloser", "[Main\\]\n", "line 1 is an unfinished [section]", {}},
        BadFile{"KeyBeforeSection", "key=1\n[Main]\n", "line 1 has a setting before any section", {}},
        BadFile{"StrayCarriageReturn", "[Main]\nkey=a\rb\n", "line 2 has a stray carriage return", {}}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, CommentsAndBlankLinesSurviveWrites) {
    writeBytes(file(),
               "; my settings\n\n[Init]\n# the notation\ncboWhat=\\s4\n\nOnTop=\\s0\n; end of Init\n\n\n"
               "[Pallettes]\nStandart=x\n");
    store.SaveSetting(App, "Init", "cboWhat", " 2");
    store.SaveSetting(App, "Init", "PN", "1");
    store.SaveSetting(App, "Pallettes", "Mine", "y");
    store.DeleteSetting(App, "Init", "OnTop");
    EXPECT_EQ(readBytes(file()),
              "; my settings\n\n[Init]\n# the notation\ncboWhat=\\s2\n\n; end of Init\nPN=1\n\n"
              "[Pallettes]\nStandart=x\nMine=y\n");
    EXPECT_FALSE(QFileInfo::exists(file() + ".unreadable"));
}

TEST_F(SettingsStoreTest, EachUnreadableFileGetsItsOwnKeptCopy) {
    CaptureStderr();
    writeBytes(file(), "first\n");
    store.SaveSetting(App, "S", "k", "1");
    writeBytes(file(), "second\n");
    store.SaveSetting(App, "S", "k", "2");
    GetCapturedStderr();
    EXPECT_EQ(readBytes(file() + ".unreadable"), "first\n");
    EXPECT_EQ(readBytes(file() + ".unreadable-1"), "second\n");
    EXPECT_EQ(store.GetSetting(App, "S", "k", "d"), "2");
}

TEST_F(SettingsStoreTest, DirectoryInPlaceOfTheFileIsLeftAlone) {
    writeBytes(file() + "/inside", "keep");
    CaptureStderr();
    EXPECT_EQ(store.GetSetting(App, "S", "k", "d"), "d");
    EXPECT_FALSE(store.SaveSetting(App, "S", "k", "v"));
    EXPECT_FALSE(store.SaveSetting(App, "S", "k", "v"));
    EXPECT_EQ(store.GetSetting(App, "S", "k", "d"), "v") << "kept for the run";
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(lineCount(err), 1) << err;
    EXPECT_NE(err.find(file().toStdString() + " cannot be read (it is a directory)"), std::string::npos)
        << err;
    EXPECT_EQ(readBytes(file() + "/inside"), "keep");
}

TEST_F(SettingsStoreTest, UnwritableFolderMakesWritesDoNothing) {
    // Root may write anywhere, but not below a regular file.
    writeBytes(dir.filePath("plain"), "x");
    SettingsStore blocked(dir.filePath("plain"));
    CaptureStderr();
    blocked.SaveSetting(App, "S", "k", "v");
    blocked.SaveSetting(App, "S", "k2", "v");
    blocked.DeleteSetting(App, "S", "k");
    EXPECT_EQ(blocked.GetSetting(App, "S", "k", "d"), "d");
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(lineCount(err), 1) << err;
    EXPECT_NE(err.find(blocked.filePath(App).toStdString() + " cannot be written"), std::string::npos) << err;
    EXPECT_EQ(readBytes(dir.filePath("plain")), "x");
}

TEST_F(SettingsStoreTest, ThreeProcessesWritingAtOnceLoseNothing) {
    constexpr int Count = 300;
    QProcess writers[3];
    const QStringList prefixes{"a", "b", "c"};
    for (int i = 0; i < 3; ++i)
        writers[i].start(SETTINGS_WRITER_PATH, {dir.path(), prefixes[i], QString::number(Count)});
    for (QProcess* writer : {&writers[0], &writers[1], &writers[2]}) {
        ASSERT_TRUE(writer->waitForFinished(120000));
        EXPECT_EQ(writer->exitCode(), 0);
    }

    const Rows rows = store.GetAllSettings(App, "Keys");
    EXPECT_EQ(rows.size(), 3 * Count);
    QSet<QString> keys;
    for (const auto& row : rows)
        keys.insert(row.first);
    QStringList missing;
    for (const QString& prefix : prefixes)
        for (int i = 0; i < Count; ++i)
            if (!keys.contains(prefix + QString::number(i)))
                missing << prefix + QString::number(i);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(' ').toStdString();
}

} // namespace
