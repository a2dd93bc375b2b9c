#include "platform/OwnerlessLock.h"

#include <QFile>
#include <QLockFile>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace ownerlessLock {
namespace {
// Far more than a lock record; a larger file is not one of ours and still names no owner.
constexpr qsizetype LongestRecord = 4096;
constexpr int RecordLines = 5;

struct Seen {
    bool exists = false;
    QByteArray bytes;
    qint64 ageMs = 0;
};

Seen look(const QString& lockPath) {
    Seen seen;
    const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return seen;
    struct stat st {};
    if (::fstat(fd, &st) == 0) {
        seen.exists = true;
        // Reading a pipe or device could block or never end.
        if (S_ISREG(st.st_mode)) {
            seen.bytes.resize(LongestRecord);
            const ssize_t got = ::read(fd, seen.bytes.data(), LongestRecord);
            seen.bytes.resize(got > 0 ? got : 0);
        }
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const qint64 ageNs = (qint64(now.tv_sec) - st.st_mtim.tv_sec) * 1'000'000'000 +
                             (qint64(now.tv_nsec) - st.st_mtim.tv_nsec);
        // A time far in the future was not just written by a live writer on this clock either.
        seen.ageMs = std::llabs(ageNs) / 1'000'000;
    }
    ::close(fd);
    return seen;
}

bool stale(const Seen& seen) {
    return seen.exists && !namesOwner(seen.bytes) && seen.ageMs > StaleAfterMs;
}
} // namespace

bool namesOwner(const QByteArray& bytes) {
    if (!bytes.endsWith('\n') || bytes.count('\n') < RecordLines)
        return false;
    bool number = false;
    const qint64 pid = bytes.left(bytes.indexOf('\n')).toLongLong(&number);
    return number && pid > 0;
}

Verdict removeIfStale(const QString& lockPath) {
    const Seen first = look(lockPath);
    if (!first.exists || namesOwner(first.bytes))
        return Verdict::HasOwner;
    if (!stale(first))
        return Verdict::NotYetStale;
    // The same guard QLockFile takes before removing a dead owner's lock, so that two copies
    // never both remove it (the second would remove the lock the first has just taken).
    QLockFile guard(lockPath + QStringLiteral(".rmlock"));
    if (!guard.tryLock(0))
        return Verdict::NotYetStale;
    if (!stale(look(lockPath)))
        return Verdict::NotYetStale;
    return ::unlink(QFile::encodeName(lockPath).constData()) == 0 ? Verdict::Removed : Verdict::NotYetStale;
}

} // namespace ownerlessLock
