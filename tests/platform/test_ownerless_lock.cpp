// Lock files that name no owner: left by a writer that died or met a full disk before writing
// its process into the lock.
#include "StoreTestFiles.h"
#include "platform/OwnerlessLock.h"

#include <QLockFile>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

// What QLockFile writes for this (live) process.
QByteArray liveRecord() {
    QTemporaryDir scratch;
    QLockFile lock(scratch.filePath("probe.lock"));
    EXPECT_TRUE(lock.tryLock(0));
    return readBytes(scratch.filePath("probe.lock"));
}

// Cut off one character into the host name, the third line.
QByteArray cutMidLine() {
    const QByteArray record = liveRecord();
    return record.left(record.indexOf('\n', record.indexOf('\n') + 1) + 2);
}

void makeOld(const QString& path, int seconds) {
    timespec times[2];
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

struct LockCase {
    const char* name;
    std::function<QByteArray()> content;
    int ageSeconds;
    bool saved;          // at once
    const char* reason;  // why not, when not
    bool savedWhenOlder; // after the lock has aged
};
void PrintTo(const LockCase& c, std::ostream* os) {
    *os << c.name;
}
class OwnerlessLock : public StoreFixture, public testing::WithParamInterface<LockCase> {};

TEST_P(OwnerlessLock, IsTakenOverOnlyOnceStale) {
    const LockCase& c = GetParam();
    const QString lock = file() + ".lock";
    writeBytes(file(), "[S]\nk=old\n");
    writeBytes(lock, c.content());
    makeOld(lock, c.ageSeconds);

    CaptureStderr();
    EXPECT_EQ(store.SaveSetting(App, "S", "k", "new"), c.saved);
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(SettingsStore(dir.path()).GetSetting(App, "S", "k", "-"), c.saved ? "new" : "old");
    if (!c.saved) {
        EXPECT_EQ(readBytes(lock), c.content()) << "a lock that is not stale is left alone";
        ASSERT_EQ(store.unsaved().size(), 1);
        EXPECT_NE(store.unsaved()[0].reason.indexOf(c.reason), -1) << store.unsaved()[0].reason.toStdString();
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
    }

    if (QFileInfo::exists(lock))
        makeOld(lock, 3600);
    EXPECT_EQ(store.flush(1000), c.savedWhenOlder);
    EXPECT_EQ(SettingsStore(dir.path()).GetSetting(App, "S", "k", "-"), c.savedWhenOlder ? "new" : "old");
    EXPECT_FALSE(QFileInfo::exists(lock + ".rmlock"));
}

const int Stale = ownerlessLock::StaleAfterMs / 1000 + 2;
INSTANTIATE_TEST_SUITE_P(
    Locks, OwnerlessLock,
    testing::Values(LockCase{"EmptyAndStale", [] { return QByteArray(); }, Stale, true, "", true},
                    LockCase{"CutMidLineAndStale", cutMidLine, Stale, true, "", true},
                    LockCase{"EmptyAndFresh", [] { return QByteArray(); }, 0, false, "names no program",
                             true},
                    LockCase{"CutMidLineAndFresh", cutMidLine, 0, false, "names no program", true},
                    // A live owner is never broken, however old its lock.
                    LockCase{"WholeRecordOfALiveProcess", liveRecord, Stale, false,
                             "in use by another running program", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
