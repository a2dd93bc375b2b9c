// What the window does when the settings file is busy or cannot be written.
#include "platform/QtDesktopServices.h"
#include "support/DialogScript.h"
#include "support/WindowFixture.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QMessageBox>
#include <QTest>
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

// Notices wait for the window to be on the screen and for the action that raised them to end.
TEST_F(StoreInWindow, NoticesComeAfterTheWindowAndAfterTheAction) {
    const QString path = store->filePath(frmTintwell::Title);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Init]\ncboWhat=\\s2\n[Broken\n");
    file.close();

    open();
    QCoreApplication::processEvents();
    EXPECT_TRUE(desktop.messages.isEmpty()) << "told before the window was shown";
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !desktop.messages.isEmpty(); }, 2000));
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_NE(desktop.messages[0].text.indexOf("cannot be read in full"), -1);
    EXPECT_EQ(desktop.messages[0].owner, form.get());

    QDir().mkpath(path + ".lock"); // a lock nobody can take
    const int compact = form->width();
    QTest::mouseClick(form->cmdSafe, Qt::LeftButton);
    EXPECT_EQ(desktop.messages.size(), 1) << "the click that wrote was interrupted";
    EXPECT_GT(form->width(), compact);
    ASSERT_TRUE(QTest::qWaitFor([this] { return desktop.messages.size() == 2; }, 2000));
    EXPECT_NE(desktop.messages[1].text.indexOf(".lock is a directory"), -1)
        << desktop.messages[1].text.toStdString();
    EXPECT_EQ(desktop.messages[1].owner, form.get());
}

// The real box belongs to the window, is centred on it, and opens once the palette is open.
TEST_F(StoreInWindow, TheRealNoticeBoxBelongsToTheWindow) {
    QtDesktopServices qtDesktop;
    form = std::make_unique<frmTintwell>(*store, qtDesktop);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QDir().mkpath(store->filePath(frmTintwell::Title) + ".lock");

    bool clickEnded = false;
    DialogScript script({[&](QWidget* box) {
        EXPECT_TRUE(clickEnded) << "the box opened inside the click";
        EXPECT_NE(qobject_cast<QMessageBox*>(box), nullptr);
        EXPECT_EQ(box->parentWidget(), form.get());
        EXPECT_EQ(form->cmdSafe->text(), QStringLiteral("S&F <<"));
        const QPoint offset = box->geometry().center() - form->geometry().center();
        EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
        static_cast<QDialog*>(box)->accept();
    }});
    QTest::mouseClick(form->cmdSafe, Qt::LeftButton);
    clickEnded = true;
    EXPECT_TRUE(QTest::qWaitFor([&script] { return script.finished(); }, 3000));
}

} // namespace
