// Re-reading a changed file, and replacing it only while it is the file that was read.
#include "StoreTestFiles.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsStoreFile.h"

#include <QTemporaryDir>
#include <QThread>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Rewrites the file in place (same inode) with bytes of the same size.
void overwriteInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void setModified(const QString& path, const timespec& when) {
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

timespec modifiedOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mtim;
}

struct Edit {
    const char* name;
    std::function<void(const QString& file, const timespec& before)> apply;
};
void PrintTo(const Edit& edit, std::ostream* os) {
    *os << edit.name;
}

// Rewritten in place after `waitMs`, the same size, the modification time put back.
Edit sameSizeAndTime(const char* name, int waitMs) {
    return {name, [waitMs](const QString& f, const timespec& before) {
                QThread::msleep(waitMs);
                overwriteInPlace(f, "[S]\nk=new\n");
                setModified(f, before);
            }};
}

class StoreRereads : public testing::TestWithParam<Edit> {
  protected:
    QTemporaryDir dir;
};

TEST_P(StoreRereads, EveryChangeIsSeen) {
    SettingsStore store(dir.path());
    const QString file = store.filePath(App);
    writeBytes(file, "[S]\nk=old\n");
    ASSERT_EQ(store.GetSetting(App, "S", "k", "d"), "old");
    GetParam().apply(file, modifiedOf(file));
    EXPECT_EQ(store.GetSetting(App, "S", "k", "d"), "new");
    EXPECT_EQ(SettingsStore(dir.path()).GetSetting(App, "S", "k", "d"), "new") << "a fresh copy reads it";
}

INSTANTIATE_TEST_SUITE_P(Cases, StoreRereads,
                         testing::Values(
                             // Same size and modification time: right after the read the times may not have
                             // moved at all, so the content tells; later the inode's change time does.
                             sameSizeAndTime("SameSizeAndTimeAtOnce", 0),
                             sameSizeAndTime("SameSizeAndTimeLater", 150),
                             Edit{"NewTime",
                                  [](const QString& f, const timespec& before) {
                                      overwriteInPlace(f, "[S]\nk=new\n");
                                      setModified(f, {before.tv_sec, (before.tv_nsec + 1) % 1000000000});
                                  }},
                             Edit{"NewSize",
                                  [](const QString& f, const timespec& before) {
                                      writeBytes(f, "[S]\nk=new\n\n");
                                      setModified(f, before);
                                  }},
                             Edit{"NewIdentity",
                                  [](const QString& f, const timespec& before) {
                                      writeBytes(f + ".other", "[S]\nk=new\n");
                                      setModified(f + ".other", before);
                                      ASSERT_EQ(::rename(QFile::encodeName(f + ".other").constData(),
                                                         QFile::encodeName(f).constData()),
                                                0);
                                  }}),
                         [](const testing::TestParamInfo<Edit>& info) {
                             return std::string(info.param.name);
                         });

TEST(SettingsFileReplace, OnlyWhileTheFileIsTheOneThatWasRead) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("s.conf");
    writeBytes(path, "mine\n");
    const settingsFile::Stamp read = settingsFile::stampOf(path);
    ASSERT_TRUE(read.exists);

    // Another writer replaced it since: the stale write is dropped, the other's content stays.
    writeBytes(path + ".theirs", "theirs\n");
    ASSERT_EQ(::rename(QFile::encodeName(path + ".theirs").constData(), QFile::encodeName(path).constData()),
              0);
    const auto stale = settingsFile::replaceIfUnchanged(path, "stale\n", read);
    EXPECT_EQ(stale.outcome, settingsFile::Outcome::ChangedMeanwhile);
    EXPECT_EQ(readBytes(path), "theirs\n");
    EXPECT_EQ(settingsFile::replaceIfUnchanged(path, "new\n", settingsFile::Stamp{}).outcome,
              settingsFile::Outcome::ChangedMeanwhile)
        << "a file that appeared since it was found missing";

    const auto fresh = settingsFile::replaceIfUnchanged(path, "fresh\n", settingsFile::stampOf(path));
    EXPECT_EQ(fresh.outcome, settingsFile::Outcome::Written);
    EXPECT_EQ(fresh.stamp, settingsFile::stampOf(path));
    EXPECT_EQ(readBytes(path), "fresh\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"s.conf"}) << "no temporary left";
}

} // namespace
