#pragma once

#include <QByteArray>
#include <QString>

// A lock file that names no owner: a writer that died, or met a full disk, between creating
// <file>.lock and writing its process into it. QLockFile can tell a dead owner from a live
// one, but not such a lock, so without this it would block every write for ever.
namespace ownerlessLock {

// How old an ownerless lock must be before it counts as left behind. A live writer writes its
// owner within microseconds of creating the file; a few seconds leave room for a loaded machine,
// a slow network file system and file times kept in whole seconds, and still free the file
// well before the user gives up on saving.
constexpr int StaleAfterMs = 5000;

// True when `bytes` hold a whole lock record: the five lines QLockFile writes, each ended,
// the first a process id.
bool namesOwner(const QByteArray& bytes);

enum class Verdict {
    HasOwner,    // a whole record: QLockFile decides whether its owner still runs
    NotYetStale, // ownerless, but young enough that its writer may still be writing
    Removed,     // ownerless and stale: removed, the lock may be taken now
};
// Looks at `lockPath` and removes it when it is ownerless and stale.
Verdict removeIfStale(const QString& lockPath);

} // namespace ownerlessLock
