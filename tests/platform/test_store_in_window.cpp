// What the window does when the settings file is busy or cannot be written.
#include "support/WindowFixture.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <functional>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

class StoreInWindow : public WindowTest {
  protected:
    std::unique_ptr<QLockFile> holdLock() {
        const QString path = store->filePath(frmTintwell::Title);
        QDir().mkpath(QFileInfo(path).absolutePath());
        auto lock = std::make_unique<QLockFile>(path + ".lock");
        EXPECT_TRUE(lock->tryLock(0));
        return lock;
    }
};

// How many files were renamed into a folder while `act` ran.
int replacesDuring(const QString& folder, const std::function<void()>& act) {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(watch, 0);
    // Creations are watched too: the kernel merges identical events in a row, and each replace
    // creates its temporary first.
    EXPECT_GE(::inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CREATE), 0);
    act();
    int replaces = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = ::read(watch, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            replaces += (event->mask & IN_MOVED_TO) != 0;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    return replaces;
}

TEST_F(StoreInWindow, CloseWritesEveryKeyInOneReplace) {
    open();
    const QString path = store->filePath(frmTintwell::Title);
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_EQ(replacesDuring(QFileInfo(path).absolutePath(), [this] { close(); }), 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "[Init]\ncboWhat=\\s0\nOnTop=\\s0\n\n[Hole]\nleft=270\ntop=120\nright=320\nbottom=140\n"
              "radiusX=20\nradiusY=20\n");
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(StoreInWindow, CloseWithTheLockHeldEndsQuicklyAndSaysWhatWasNotSaved) {
    open();
    const auto lock = holdLock();
    QElapsedTimer timer;
    timer.start();
    close();
    // Generous for a loaded machine; it took 40 s when each key waited for the lock in turn.
    EXPECT_LT(timer.elapsed(), 3000);
    ASSERT_EQ(desktop.messages.size(), 1);
    const QString text = desktop.messages[0].text;
    EXPECT_EQ(desktop.messages[0].style, DesktopServices::StyleOkOnly);
    for (const char* part : {"were not saved", "Tintwell.conf", "in use by another running program",
                             "Init/cboWhat", "Init/OnTop", "Hole/left", "Hole/radiusY"})
        EXPECT_NE(text.indexOf(part), -1) << part << " in " << text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(store->filePath(frmTintwell::Title)));
}

} // namespace
