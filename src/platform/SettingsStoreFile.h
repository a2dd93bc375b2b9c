#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The settings file on disk: what it is, and replacing it atomically only while it is still
// the file that was read.
namespace settingsFile {

// Who the file is and when it last changed. Equal stamps mean the same content once the file
// has settled: a change within the file system's clock tick of the last one may keep both
// times, so until then only the content itself tells.
struct Stamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    // The inode's change time, which no program can set back as it can the modification time.
    qint64 changedNs = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const QString& path);

// True when the stamp's times lie far enough in the past that any change from now on would
// show in them.
bool settled(const Stamp& stamp);

// The file that a path leads to, through symbolic links; `problem` says why there is none.
struct Target {
    QString path;
    QString problem;
};
Target resolve(const QString& path);

// The bytes of a regular file, or why it cannot be read. A missing file reads as empty.
struct Contents {
    QByteArray bytes;
    Stamp stamp;
    QString problem;
};
Contents read(const QString& path);

enum class Outcome { Written, ChangedMeanwhile, Failed };
struct WriteResult {
    Outcome outcome = Outcome::Failed;
    QString reason;
    Stamp stamp; // of the new file
};
// Writes a temporary file beside `path` and renames it over `path`, unless `path` no longer
// has the stamp `expected`.
WriteResult replaceIfUnchanged(const QString& path, const QByteArray& bytes, const Stamp& expected);

// Temporaries that a killed writer left beside `path` (<file>.tmp-XXXXXX). Call while holding the lock.
void removeStaleTemporaries(const QString& path);

// Copies the file at `path` to the new file `to`, flushed to the disk; empty on success, else
// the reason. The original stays in place.
QString keepCopy(const QString& path, const QString& to);

// Why a new file cannot be made in `folder`, found by trying.
QString whyNoFileCanBeMade(const QString& folder);

// Plain words for an errno value.
QString describeError(int error);

} // namespace settingsFile
