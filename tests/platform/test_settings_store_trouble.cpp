// The store against a held lock, killed writers, a full disk and odd paths.
#include "StoreTestFiles.h"
#include "platform/SettingsStore.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;
using StoreTrouble = StoreFixture;

TEST_F(StoreTrouble, HeldLockKeepsWritesWithoutWaitingAndSavesThemWhenFree) {
    makeFolder();
    auto held = std::make_unique<QLockFile>(file() + ".lock");
    ASSERT_TRUE(held->tryLock(0));

    CaptureStderr();
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(store.SaveSetting(App, "S", "k", "v"));
    EXPECT_FALSE(store.SaveSettings(App, {{"S", "k2", "v2"}, {"S", "k", "", true}}));
    EXPECT_FALSE(store.flush(0));
    EXPECT_LT(timer.elapsed(), 1000) << "it waited 5 s for the lock";
    const std::string err = GetCapturedStderr();

    EXPECT_FALSE(QFileInfo::exists(file()));
    EXPECT_EQ(store.GetAllSettings(App, "S"), (Rows{{"k2", "v2"}})) << "reads show what waits";
    EXPECT_EQ(store.GetSetting(App, "S", "k", "gone"), "gone");
    const auto unsaved = store.unsaved();
    ASSERT_EQ(unsaved.size(), 1);
    EXPECT_EQ(unsaved[0].keys, (QStringList{"S/k", "S/k2"}));
    EXPECT_NE(unsaved[0].reason.indexOf("in use by another running program"), -1)
        << unsaved[0].reason.toStdString();
    EXPECT_EQ(lineCount(err), 1) << err;

    held.reset();
    EXPECT_TRUE(store.flush(1000));
    EXPECT_TRUE(store.unsaved().isEmpty());
    EXPECT_EQ(SettingsStore(dir.path()).GetAllSettings(App, "S"), (Rows{{"k2", "v2"}}));
}

TEST_F(StoreTrouble, KeysChangedWhileTheyWaitLandAsIfWrittenInTurn) {
    writeBytes(file(), "[S]\nold=1\nk=0\n");
    auto held = std::make_unique<QLockFile>(file() + ".lock");
    ASSERT_TRUE(held->tryLock(0));
    CaptureStderr();
    for (int i = 1; i <= 50; ++i)
        store.SaveSetting(App, "S", "k", QString::number(i));
    store.SaveSetting(App, "S", "n", "new");
    store.DeleteSetting(App, "S", "old");
    store.SaveSetting(App, "S", "old", "back");
    store.SaveSetting(App, "S", "n", "again");
    GetCapturedStderr();
    held.reset();
    EXPECT_TRUE(store.flush(1000));
    EXPECT_EQ(readBytes(file()), "[S]\nk=50\nn=again\nold=back\n");
}

TEST_F(StoreTrouble, NoticesComeWhenTheLockIsFree) {
    QDir().mkpath(file()); // unreadable and unwritable, found while holding the lock
    QStringList told;
    QList<bool> lockWasFree;
    store.setNoticeHandler([&](const QString& text) {
        told << text;
        QLockFile probe(file() + ".lock");
        lockWasFree << probe.tryLock(0);
    });
    CaptureStderr();
    EXPECT_FALSE(store.SaveSetting(App, "S", "k", "v"));
    GetCapturedStderr();
    // One notice for the one trouble, not a second that contradicts it.
    ASSERT_EQ(told.size(), 1) << told.join('|').toStdString();
    EXPECT_NE(told[0].indexOf("nothing is saved over it"), -1) << told[0].toStdString();
    EXPECT_EQ(lockWasFree, (QList<bool>{true}));
}

TEST_F(StoreTrouble, DeadHoldersLockIsTakenOverAtOnce) {
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    makeFolder();
    {
        // A real lock file, with the pid of a process that has ended.
        QLockFile mine(file() + ".lock");
        ASSERT_TRUE(mine.tryLock(0));
        QByteArray content = readBytes(file() + ".lock");
        mine.unlock();
        content.replace(0, content.indexOf('\n'), QByteArray::number(pid));
        writeBytes(file() + ".lock", content);
    }
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(store.SaveSetting(App, "S", "k", "v"));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(SettingsStore(dir.path()).GetSetting(App, "S", "k", "d"), "v");
}

struct OddPath {
    const char* name;
    std::function<void(const QString& file)> make;
    const char* reason;
};
void PrintTo(const OddPath& odd, std::ostream* os) {
    *os << odd.name;
}
class StoreOddPath : public StoreTrouble, public testing::WithParamInterface<OddPath> {};

TEST_P(StoreOddPath, IsReportedOnceAndLeftAsItIs) {
    makeFolder();
    GetParam().make(file());
    const QFileInfo before(file());
    CaptureStderr();
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(store.SaveSetting(App, "S", "k", "v"));
    EXPECT_FALSE(store.SaveSetting(App, "S", "k2", "v"));
    EXPECT_LT(timer.elapsed(), 1000);
    const std::string err = GetCapturedStderr();
    EXPECT_NE(err.find(GetParam().reason), std::string::npos) << err;
    EXPECT_NE(err.find(file().toStdString()), std::string::npos) << err;
    ASSERT_EQ(store.unsaved().size(), 1);
    EXPECT_NE(store.unsaved()[0].reason.indexOf(GetParam().reason), -1);
    const QFileInfo after(file());
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
    EXPECT_EQ(after.isDir(), before.isDir());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreOddPath,
    testing::Values(OddPath{"SelfSymlink", [](const QString& f) { QFile::link(f, f); },
                            "symbolic link that leads back to itself"},
                    OddPath{"SymlinkLoop",
                            [](const QString& f) {
                                QFile::link(f + ".b", f);
                                QFile::link(f, f + ".b");
                            },
                            "symbolic link that leads back to itself"},
                    OddPath{"DirectoryAtLock", [](const QString& f) { QDir().mkpath(f + ".lock"); },
                            ".lock is a directory"},
                    OddPath{"Directory", [](const QString& f) { QDir().mkpath(f); }, "it is a directory"}),
    [](const testing::TestParamInfo<OddPath>& info) { return std::string(info.param.name); });

TEST_F(StoreTrouble, SymlinkToAFileIsFollowedAndKept) {
    writeBytes(dir.filePath("real.conf"), "[S]\nold=1\n");
    makeFolder();
    ASSERT_TRUE(QFile::link(dir.filePath("real.conf"), file()));
    EXPECT_TRUE(store.SaveSetting(App, "S", "k", "v"));
    EXPECT_TRUE(QFileInfo(file()).isSymLink());
    EXPECT_EQ(readBytes(dir.filePath("real.conf")), "[S]\nold=1\nk=v\n");
}

TEST_F(StoreTrouble, TemporariesOfKilledWritersAreRemoved) {
    writeBytes(file(), "[S]\nk=1\n");
    const QString folder = QFileInfo(file()).absolutePath();
    const QStringList stale{"Tintwell.conf.tmp-AbC123", "Tintwell.conf.tmp-x9y8z7"};
    // The user's own copies are left alone, whatever their names look like.
    const QStringList others{"Tintwell.conf.unreadable",  "Tintwell.conf.keep-me", "Other.conf.tmp-AbC123",
                             "Tintwell.conf.tmp-AbC1234", "Tintwell.conf.backup",  "Tintwell.conf.AbC123"};
    for (const QString& name : stale + others)
        writeBytes(folder + '/' + name, "x");
    EXPECT_TRUE(store.SaveSetting(App, "S", "k", "2"));
    for (const QString& name : stale)
        EXPECT_FALSE(QFileInfo::exists(folder + '/' + name)) << name.toStdString();
    for (const QString& name : others)
        EXPECT_TRUE(QFileInfo::exists(folder + '/' + name)) << name.toStdString();
}

// A full disk keeps the old file as it was, also one with an unreadable line that would be
// copied aside before the rewrite, and the old settings still read.
TEST_F(StoreTrouble, FullDiskIsReportedAsSuchAndKeepsTheOldFile) {
    const QString folder = QFileInfo(file()).absolutePath();
    QDir().mkpath(folder);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    for (const QByteArray& original : {QByteArray("[S]\nk=1\n"), QByteArray("[S]\nk=1\nnot a line\n")}) {
        SCOPED_TRACE(original.toStdString());
        SettingsStore fresh(dir.path());
        writeBytes(file(), original);
        QFile filler(folder + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // Room for the lock and a small copy, not for the new file.
        filler.close();
        ASSERT_TRUE(filler.resize(filler.size() - 2 * block.size()));
        CaptureStderr();
        EXPECT_FALSE(fresh.SaveSetting(App, "S", "big", QString(20000, 'v')));
        const std::string err = GetCapturedStderr();
        EXPECT_EQ(readBytes(file()), original);
        EXPECT_EQ(fresh.GetSetting(App, "S", "k", "gone"), "1");
        QStringList left = QDir(folder).entryList(QDir::Files);
        left.sort();
        filler.remove();
        EXPECT_NE(err.find("the disk is full"), std::string::npos) << err;
        EXPECT_EQ(left, (QStringList{"Tintwell.conf", "filler"})) << "no temporary or copy left behind";
    }
    QProcess::execute("umount", {folder});
}

TEST_F(StoreTrouble, CopyThatReadEarlierNeverWritesBackStaleContent) {
    SettingsStore other(dir.path());
    EXPECT_TRUE(store.SaveSetting(App, "S", "mine", "1"));
    EXPECT_EQ(other.GetAllSettings(App, "S"), (Rows{{"mine", "1"}}));
    // Changed behind its back, with the size unchanged: it must notice.
    writeBytes(file(), "[S]\nmine=2\n[Hole]\nl=1\n");
    EXPECT_TRUE(other.SaveSetting(App, "S", "theirs", "x"));
    EXPECT_EQ(readBytes(file()), "[S]\nmine=2\ntheirs=x\n\n[Hole]\nl=1\n");
    EXPECT_EQ(store.GetSetting(App, "Hole", "l", "d"), "1");
}

TEST_F(StoreTrouble, KilledWritersLeaveTheOldFileOrTheNewNeverATornOne) {
    qsizetype lastCount = 0;
    for (int round = 0; round < 25; ++round) {
        QProcess writer;
        writer.start(SETTINGS_WRITER_PATH, {dir.path(), QStringLiteral("r%1_").arg(round), "100000"});
        ASSERT_TRUE(writer.waitForStarted());
        QThread::msleep(20 + QRandomGenerator::global()->bounded(120));
        ::kill(pid_t(writer.processId()), SIGKILL);
        writer.waitForFinished();

        CaptureStderr();
        const SettingsStore fresh(dir.path());
        const qsizetype count = fresh.GetAllSettings(App, "Keys").size();
        EXPECT_EQ(GetCapturedStderr(), "") << "round " << round;
        EXPECT_GE(count, lastCount) << "round " << round;
        lastCount = count;
    }
    EXPECT_GT(lastCount, 0);
}

} // namespace
