#include "platform/SettingsStore.h"

#include "platform/OwnerlessLock.h"
#include "platform/SettingsStoreFile.h"
#include "platform/SettingsStoreFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMap>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <utility>

using namespace settingsFormat;
using settingsFile::Stamp;

namespace {
constexpr int FirstRetryMs = 250;
constexpr int LongestRetryMs = 2000;
constexpr int FlushPollMs = 20;
// Writes that find the file replaced between reading and renaming start over this often.
constexpr int ReplaceRounds = 3;

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString keptName(const QString& path) {
    QString name = path + QStringLiteral(".unreadable");
    for (int n = 1; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = path + QStringLiteral(".unreadable-%1").arg(n);
    return name;
}

bool apply(Document& doc, const SettingsStore::Change& change) {
    return change.remove ? removeKey(doc, change.section, change.key)
                         : setValue(doc, change.section, change.key, change.value);
}
// The rows of a section as they will be once the changes kept for it are written.
void mergeWaiting(Rows& result, const QString& section, const QList<SettingsStore::Change>& changes) {
    for (const SettingsStore::Change& change : changes) {
        if (change.section != section)
            continue;
        const auto at = std::find_if(result.begin(), result.end(),
                                     [&change](const auto& row) { return row.first == change.key; });
        if (change.remove && at != result.end())
            result.erase(at);
        else if (!change.remove && at != result.end())
            at->second = change.value;
        else if (!change.remove)
            result.append({change.key, change.value});
    }
}
} // namespace

struct SettingsStore::Impl {
    QString configRoot;

    struct Loaded {
        Stamp stamp;
        Parsed parsed;
        QString problem; // the file as a whole cannot be read; nothing may be written over it
        size_t hash = 0; // of the bytes, for a stamp that has not settled yet
    };
    QHash<QString, Loaded> cache;

    struct Waiting {
        QString app;
        QList<Change> changes;
        QString reason;
    };
    QMap<QString, Waiting> waiting;

    QSet<QPair<QString, QString>> told;
    NoticeHandler handler;
    // Told to the handler only once the call is done: the handler may open a modal box, and
    // the lock must not be held nor the store half-way through a write while it is open.
    QStringList pending;
    bool delivering = false;
    std::unique_ptr<QTimer> retry;
    int retryMs = FirstRetryMs;

    // Each kind of trouble with a file is worth one notice per run, not one per call.
    void tell(const QString& path, const QString& kind, const QString& text) {
        if (told.contains({path, kind}))
            return;
        told.insert({path, kind});
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        std::fflush(stderr);
        pending.append(text);
    }

    void deliver() {
        if (delivering)
            return;
        delivering = true;
        while (!pending.isEmpty()) {
            const QString text = pending.takeFirst();
            if (handler)
                handler(text);
        }
        delivering = false;
    }

    // The kept changes, at most a removal and a value per key: a key set again while it waits
    // takes the new value in its place, so a busy lock does not make the list grow with each click.
    static void keep(QList<Change>& kept, const Change& change) {
        for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
            if (it->section != change.section || it->key != change.key)
                continue;
            // A value after a removal goes to the end of its section, as it would in the file.
            if (it->remove && !change.remove)
                break;
            *it = change;
            return;
        }
        kept.append(change);
    }

    static QString prefix(const QString& app, const QString& path) {
        return QStringLiteral("%1: settings file %2").arg(app, shown(path));
    }

    void tellUnreadable(const QString& app, const QString& path, const Loaded& loaded, const QString& moved) {
        if (!loaded.problem.isEmpty()) {
            tell(
                path, QStringLiteral("unreadable"),
                QStringLiteral("%1 cannot be read (%2); starting from defaults, and nothing is saved over it")
                    .arg(prefix(app, path), loaded.problem));
            return;
        }
        const int bad = loaded.parsed.badLines;
        const QString outcome =
            moved.isEmpty()
                ? QStringLiteral("will be kept as %1 when settings are next saved").arg(shown(keptName(path)))
                : QStringLiteral("is kept as %1").arg(shown(moved));
        tell(path, QStringLiteral("unreadable"),
             QStringLiteral("%1 cannot be read in full (%2; %3 %4 left out); the lines that read are used, "
                            "and the original %5")
                 .arg(prefix(app, path), loaded.parsed.firstProblem, QString::number(bad),
                      bad == 1 ? QStringLiteral("line") : QStringLiteral("lines"), outcome));
    }

    const Loaded& load(const QString& path) {
        Loaded& entry = cache[path];
        const settingsFile::Target target = settingsFile::resolve(path);
        if (!target.problem.isEmpty()) {
            entry = Loaded{{}, {}, target.problem};
            return entry;
        }
        const Stamp now = settingsFile::stampOf(target.path);
        const bool same = now.exists && now == entry.stamp && entry.problem.isEmpty();
        if (same && settingsFile::settled(now))
            return entry;
        settingsFile::Contents contents = settingsFile::read(target.path);
        // Only a stamp that has not settled needs the content to tell.
        const size_t hash = settingsFile::settled(contents.stamp) ? 0 : qHash(contents.bytes);
        if (same && contents.problem.isEmpty() && contents.stamp == entry.stamp && hash == entry.hash)
            return entry;
        entry = Loaded{contents.stamp, {}, contents.problem, hash};
        if (contents.problem.isEmpty())
            entry.parsed = parse(contents.bytes);
        return entry;
    }

    const Loaded& loadForReading(const QString& app, const QString& path) {
        const Loaded& loaded = load(path);
        if (!loaded.problem.isEmpty() || loaded.parsed.badLines > 0)
            tellUnreadable(app, path, loaded, QString());
        return loaded;
    }

    void fail(const QString& path, const QString& kind, const QString& reason) {
        Waiting& w = waiting[path];
        w.reason = reason;
        tell(path, kind,
             QStringLiteral("%1 cannot be written (%2); the changes are kept and saved as soon as it can be")
                 .arg(prefix(w.app, path), reason));
    }

    // One try at writing what waits for `path`, without waiting for anything; true when done.
    bool attempt(const QString& path) {
        const auto found = waiting.find(path);
        if (found == waiting.end())
            return true;
        const QString app = found->app;
        const settingsFile::Target target = settingsFile::resolve(path);
        if (!target.problem.isEmpty())
            return fail(path, QStringLiteral("target"), target.problem), false;
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder))
            return fail(path, QStringLiteral("folder"),
                        QStringLiteral("the folder %1 cannot be created").arg(shown(folder))),
                   false;
        const QString lockPath = path + QStringLiteral(".lock");
        if (QFileInfo(lockPath).isDir())
            return fail(path, QStringLiteral("lock"),
                        QStringLiteral("its lock file %1 is a directory").arg(shown(lockPath))),
                   false;
        QLockFile lock(lockPath);
        // Only a dead holder's lock is taken over; a live one may be in the middle of a write.
        lock.setStaleLockTime(0);
        bool locked = lock.tryLock(0);
        if (!locked && lock.error() == QLockFile::LockFailedError) {
            const ownerlessLock::Verdict verdict = ownerlessLock::removeIfStale(lockPath);
            if (verdict == ownerlessLock::Verdict::NotYetStale)
                return fail(path, QStringLiteral("ownerless"),
                            QStringLiteral("its lock file %1 names no program that holds it; it is taken "
                                           "over when it is %2 s old")
                                .arg(shown(lockPath))
                                .arg(ownerlessLock::StaleAfterMs / 1000)),
                       false;
            if (verdict == ownerlessLock::Verdict::Removed)
                locked = lock.tryLock(0);
        }
        if (!locked) {
            qint64 pid = 0;
            QString host;
            QString holder;
            if (lock.error() == QLockFile::LockFailedError) {
                const QString who = lock.getLockInfo(&pid, &host, &holder)
                                        ? QStringLiteral("process %1, lock %2").arg(pid).arg(shown(lockPath))
                                        : QStringLiteral("lock %1").arg(shown(lockPath));
                return fail(path, QStringLiteral("locked"),
                            QStringLiteral("it is in use by another running program (%1)").arg(who)),
                       false;
            }
            return fail(path, QStringLiteral("lock"),
                        QStringLiteral("its lock file %1 cannot be created: %2")
                            .arg(shown(lockPath), settingsFile::whyNoFileCanBeMade(folder))),
                   false;
        }
        settingsFile::removeStaleTemporaries(target.path);

        for (int round = 0; round < ReplaceRounds; ++round) {
            const Loaded loaded = load(path);
            if (!loaded.problem.isEmpty()) {
                // Its one notice already says that nothing is saved over it; the changes wait.
                tellUnreadable(app, path, loaded, QString());
                waiting[path].reason = loaded.problem;
                return false;
            }
            Document doc = loaded.parsed.doc;
            bool changed = false;
            for (const Change& change : waiting[path].changes)
                changed = apply(doc, change) || changed;
            if (!changed) {
                waiting.remove(path);
                return true;
            }
            // A file with unreadable lines is copied aside first; it is replaced only once the
            // copy is safely on the disk, so at every moment one of them holds the original.
            QString kept;
            if (loaded.parsed.badLines > 0) {
                kept = keptName(path);
                const QString why = settingsFile::keepCopy(target.path, kept);
                if (!why.isEmpty())
                    return fail(path, QStringLiteral("aside"),
                                QStringLiteral("the unreadable file cannot be copied to %1: %2")
                                    .arg(shown(kept), why)),
                           false;
            }
            const QByteArray bytes = serialise(doc);
            const settingsFile::WriteResult written =
                settingsFile::replaceIfUnchanged(target.path, bytes, loaded.stamp);
            if (!kept.isEmpty()) {
                if (written.outcome == settingsFile::Outcome::Written)
                    tellUnreadable(app, path, loaded, kept);
                else
                    QFile::remove(kept);
            }
            if (written.outcome == settingsFile::Outcome::ChangedMeanwhile)
                continue;
            if (written.outcome == settingsFile::Outcome::Failed)
                return fail(path, written.reason, written.reason), false;
            cache[path] = Loaded{written.stamp, Parsed{std::move(doc), 0, {}}, {}, qHash(bytes)};
            waiting.remove(path);
            return true;
        }
        return fail(path, QStringLiteral("busy"), QStringLiteral("another program keeps replacing it")),
               false;
    }

    bool attemptAll() {
        for (const QString& path : waiting.keys())
            attempt(path);
        return waiting.isEmpty();
    }

    void scheduleRetry() {
        if (waiting.isEmpty()) {
            retryMs = FirstRetryMs;
            return;
        }
        if (QCoreApplication::instance() == nullptr)
            return; // no event loop: the next write or flush retries
        if (!retry) {
            retry = std::make_unique<QTimer>();
            retry->setSingleShot(true);
            QObject::connect(retry.get(), &QTimer::timeout, [this] {
                attemptAll();
                retryMs = std::min(retryMs * 2, LongestRetryMs);
                scheduleRetry();
                deliver();
            });
        }
        if (!retry->isActive())
            retry->start(retryMs);
    }
};

SettingsStore::SettingsStore(QString configRoot) : d(std::make_unique<Impl>()) {
    d->configRoot = std::move(configRoot);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultConfigRoot() {
    const QString fromEnv = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!fromEnv.isEmpty() && QDir::isAbsolutePath(fromEnv))
        return fromEnv;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString SettingsStore::filePath(const QString& app) const {
    return QDir::cleanPath(d->configRoot + u'/' + app + u'/' + app + QStringLiteral(".conf"));
}

QString SettingsStore::GetSetting(const QString& app, const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    const QString path = filePath(app);
    const auto waiting = d->waiting.constFind(path);
    if (waiting != d->waiting.cend()) {
        // The latest kept change of this key is what this program last wrote.
        for (auto it = waiting->changes.crbegin(); it != waiting->changes.crend(); ++it)
            if (it->section == section && it->key == key)
                return it->remove ? defaultValue : it->value;
    }
    const QString* found = findValue(d->loadForReading(app, path).parsed.doc, section, key);
    const QString value = found == nullptr ? defaultValue : *found;
    d->deliver();
    return value;
}

QList<QPair<QString, QString>> SettingsStore::GetAllSettings(const QString& app,
                                                             const QString& section) const {
    const QString path = filePath(app);
    const Document& doc = d->loadForReading(app, path).parsed.doc;
    const qsizetype s = findSection(doc, section);
    Rows result = s < 0 ? Rows{} : rows(doc.sections[s]);
    // Notices are shown last: a box waits in its own event loop, where a retry may write the
    // waiting changes that the rows above do not hold yet.
    const auto waiting = d->waiting.constFind(path);
    if (waiting != d->waiting.cend())
        mergeWaiting(result, section, waiting->changes);
    d->deliver();
    return result;
}

bool SettingsStore::SaveSettings(const QString& app, const QList<Change>& changes) {
    const QString path = filePath(app);
    Impl::Waiting& waiting = d->waiting[path];
    waiting.app = app;
    for (const Change& change : changes)
        Impl::keep(waiting.changes, change);
    const bool done = d->attempt(path);
    d->scheduleRetry();
    d->deliver();
    return done;
}

bool SettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                const QString& value) {
    return SaveSettings(app, {{section, key, value}});
}

bool SettingsStore::DeleteSetting(const QString& app, const QString& section, const QString& key) {
    // Nothing to delete; don't create the folder just to find that out.
    if (!QFileInfo(filePath(app)).isSymLink() && !QFileInfo::exists(filePath(app)) &&
        !d->waiting.contains(filePath(app)))
        return true;
    return SaveSettings(app, {{section, key, QString(), true}});
}

bool SettingsStore::flush(int waitMs) {
    QElapsedTimer timer;
    timer.start();
    while (!d->attemptAll() && timer.elapsed() + FlushPollMs < waitMs)
        QThread::msleep(FlushPollMs);
    d->scheduleRetry();
    d->deliver();
    return d->waiting.isEmpty();
}

QList<SettingsStore::Unsaved> SettingsStore::unsaved() const {
    QList<Unsaved> result;
    for (auto it = d->waiting.cbegin(); it != d->waiting.cend(); ++it) {
        QStringList keys;
        for (const Change& change : it->changes) {
            const QString name = change.section + u'/' + change.key;
            if (!keys.contains(name))
                keys << name;
        }
        result.append({it.key(), keys, it->reason});
    }
    return result;
}

void SettingsStore::setNoticeHandler(NoticeHandler handler) {
    d->handler = std::move(handler);
}
