#include "platform/SettingsStoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settingsFile {

namespace {
QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

constexpr qint64 NsPerSecond = 1000000000;

qint64 nanoseconds(const timespec& t) {
    return qint64(t.tv_sec) * NsPerSecond + t.tv_nsec;
}

Stamp fromStat(const struct stat& st) {
    return {true,
            quint64(st.st_dev),
            quint64(st.st_ino),
            qint64(st.st_size),
            nanoseconds(st.st_mtim),
            nanoseconds(st.st_ctim)};
}

// Temporaries have a name of their own, so that clearing stale ones never touches a file of
// the user's such as "Tintwell.conf.backup".
const char TemporaryMark[] = ".tmp-";
const char TemporarySuffix[] = ".tmp-XXXXXX";

// Writes all of `bytes` to `fd` and flushes them to the disk; 0, or the errno of the failure.
int writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}
} // namespace

QString describeError(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("the disk is full");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EROFS:
        return QStringLiteral("the file system is read-only");
    case EACCES:
    case EPERM:
        return QStringLiteral("access is denied");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

Stamp stampOf(const QString& path) {
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0)
        return {};
    return fromStat(st);
}

bool settled(const Stamp& stamp) {
    // File times come from a clock that moves in ticks of a few milliseconds; file systems
    // that keep whole seconds (or two, as FAT does) show it in their times.
    const bool wholeSeconds = stamp.modifiedNs % NsPerSecond == 0 && stamp.changedNs % NsPerSecond == 0;
    const qint64 margin = wholeSeconds ? 2 * NsPerSecond : NsPerSecond / 10;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now) - std::max(stamp.modifiedNs, stamp.changedNs) > margin;
}

Target resolve(const QString& path) {
    struct stat st {};
    if (::lstat(native(path).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return {path, {}};
    char resolved[PATH_MAX];
    if (::realpath(native(path).constData(), resolved) != nullptr)
        return {QFile::decodeName(resolved), {}};
    const int error = errno;
    if (error == ELOOP)
        return {{}, QStringLiteral("it is a symbolic link that leads back to itself")};
    if (error == ENOENT)
        return {{},
                QStringLiteral("it is a symbolic link to %1, which does not exist")
                    .arg(shown(QFileInfo(path).symLinkTarget()))};
    return {{},
            QStringLiteral("it is a symbolic link that cannot be followed (%1)").arg(describeError(error))};
}

Contents read(const QString& path) {
    Contents result;
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            result.problem = describeError(errno);
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.problem = QStringLiteral("it is a directory");
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        // Opening a pipe or device could block forever.
        result.problem = QStringLiteral("it is not a regular file");
        return result;
    }
    result.stamp = fromStat(st);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.exists())
            result.problem = file.errorString();
        else
            result.stamp = {};
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        result.problem = file.errorString();
    return result;
}

WriteResult replaceIfUnchanged(const QString& path, const QByteArray& bytes, const Stamp& expected) {
    WriteResult result;
    QByteArray name = native(path) + TemporarySuffix;
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        result.reason = QStringLiteral("cannot create a file in %1: %2")
                            .arg(shown(QFileInfo(path).absolutePath()), describeError(errno));
        return result;
    }
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(name.constData());
        result.reason = describeError(error);
        return result;
    };
    struct stat old {};
    const mode_t mode = ::stat(native(path).constData(), &old) == 0 ? (old.st_mode & 07777) : 0600;
    if (::fchmod(fd, mode) != 0)
        return fail(errno);
    if (const int error = writeAll(fd, bytes); error != 0)
        return fail(error);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        result.reason = describeError(error);
        return result;
    }
    if (stampOf(path) != expected) {
        ::unlink(name.constData());
        result.outcome = Outcome::ChangedMeanwhile;
        return result;
    }
    if (::rename(name.constData(), native(path).constData()) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        result.reason = describeError(error);
        return result;
    }
    result.outcome = Outcome::Written;
    result.stamp = stampOf(path);
    return result;
}

void removeStaleTemporaries(const QString& path) {
    const QFileInfo info(path);
    const QString prefix = info.fileName() + QLatin1String(TemporaryMark);
    const QRegularExpression temporary(
        QStringLiteral("^%1[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(prefix)));
    const QDir folder = info.absoluteDir();
    const QStringList candidates =
        folder.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& candidate : candidates)
        if (temporary.match(candidate).hasMatch())
            ::unlink(native(folder.filePath(candidate)).constData());
}

QString whyNoFileCanBeMade(const QString& folder) {
    QByteArray name = native(folder) + "/.probe" + TemporarySuffix;
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return describeError(errno);
    // A lock file holds a few dozen bytes; a full disk may still have room for an empty file.
    const int error = writeAll(fd, QByteArray(64, '\0'));
    const bool written = error == 0;
    ::close(fd);
    ::unlink(name.constData());
    return written ? QStringLiteral("reason unknown") : describeError(error);
}

QString keepCopy(const QString& path, const QString& to) {
    const Contents original = read(path);
    if (!original.problem.isEmpty())
        return original.problem;
    const QByteArray name = native(to);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return describeError(errno);
    int error = writeAll(fd, original.bytes);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return {};
    ::unlink(name.constData());
    return describeError(error);
}

} // namespace settingsFile
