// How long the real window takes to answer a click that writes a setting, and to close, while
// the settings file cannot be locked: free (for comparison), locked by a live process that
// never lets go, a directory where the lock file goes, and another copy stopped (SIGSTOP)
// while it holds the lock in the middle of a write. The other processes are this program,
// started again with --hold-lock or --keep-writing.
#include "ShownWindow.h"
#include "palette/SafeGrid.h"
#include "palette/SafePalette.h"
#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "scheme/StoredSchemes.h"
#include "shell/frmTintwell.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace {

const QString App = QStringLiteral("Tintwell");

QString lockOf(const QString& root) {
    return root + "/Tintwell/Tintwell.conf.lock";
}

// Boxes are answered at once, so that a click's time is the program's own.
class AnsweringDesktop : public QtDesktopServices {
  public:
    int boxes = 0;
    int schemes = 0;
    using QtDesktopServices::messageBox;
    int messageBox(const QString&, int, const QString&, QWidget*) override {
        ++boxes;
        return AnswerYes;
    }
    QString inputBox(const QString&, const QString&, const QString&) override {
        return QStringLiteral("Bench %1").arg(++schemes);
    }
};

enum LockState { Free, HeldByLiveProcess, DirectoryInItsPlace, CopyStoppedMidWrite };

// The settings folder with its lock in one of the states above, for as long as it lives.
class StuckFolder {
  public:
    QTemporaryDir dir;

    StuckFolder(benchmark::State& state, LockState lock) {
        QDir().mkpath(dir.path() + "/Tintwell");
        switch (lock) {
        case Free:
            break;
        case HeldByLiveProcess:
            start("--hold-lock");
            if (!other.waitForReadyRead(10000))
                state.SkipWithError("the lock holder did not start");
            break;
        case DirectoryInItsPlace:
            QDir().mkpath(lockOf(dir.path()));
            break;
        case CopyStoppedMidWrite:
            start("--keep-writing");
            if (!stopWhileLocked())
                state.SkipWithError("the other copy was never caught holding the lock");
            state.counters["stops tried"] = stopsTried;
            break;
        }
    }
    ~StuckFolder() {
        if (other.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(other.processId()), SIGKILL);
        other.waitForFinished(5000);
    }
    StuckFolder(const StuckFolder&) = delete;
    StuckFolder& operator=(const StuckFolder&) = delete;

  private:
    QProcess other;
    int stopsTried = 0;

    void start(const char* mode) {
        other.start(QCoreApplication::applicationFilePath(), {mode, dir.path()});
        other.waitForStarted(10000);
    }

    // Stops the writing copy at random moments until one falls while it holds the lock.
    bool stopWhileLocked() {
        const pid_t pid = pid_t(other.processId());
        for (stopsTried = 1; stopsTried <= 500; ++stopsTried) {
            QThread::usleep(200 + 97 * (stopsTried % 23));
            ::kill(pid, SIGSTOP);
            QThread::msleep(2);
            qint64 holder = 0;
            QString host, name;
            if (QLockFile(lockOf(dir.path())).getLockInfo(&holder, &host, &name) && holder == pid)
                return true;
            ::kill(pid, SIGCONT);
        }
        return false;
    }
};

using Window = ShownWindow<AnsweringDesktop>;

// The mean hides a slow click; this keeps the slowest.
class Slowest {
  public:
    void start() { timer.start(); }
    void stop() { slowest = std::max(slowest, timer.nsecsElapsed()); }
    double ms() const { return double(slowest) / 1e6; }

  private:
    QElapsedTimer timer;
    qint64 slowest = 0;
};

void tell(benchmark::State& state, const Window& window, const Slowest& slowest) {
    state.counters["slowest ms"] = slowest.ms();
    state.counters["boxes"] = window.desktop.boxes;
    state.counters["unsaved keys"] =
        window.store.unsaved().isEmpty() ? 0 : window.store.unsaved()[0].keys.size();
}

// A click on another palette order: the panel redrawn and the order stored.
void OrderClick(benchmark::State& state, LockState lock) {
    StuckFolder folder(state, lock);
    Window window(folder.dir.path());
    window.form.palette.cmdSafe_Click();
    settleEvents();
    int order = 0;
    Slowest slowest;
    for (auto _ : state) {
        slowest.start();
        order = (order + 1) % safeGrid::OrderCount;
        window.form.optPerformance[order]->setChecked(true);
        settleEvents();
        slowest.stop();
    }
    tell(state, window, slowest);
}

// "Store" in the scheme editor, a new name each time: the name proposed from the file, the
// scheme and the counter stored, the list filled again.
void StoreScheme(benchmark::State& state, LockState lock) {
    StuckFolder folder(state, lock);
    Window window(folder.dir.path());
    window.form.schemes.cmdTagEditor_Click();
    settleEvents();
    Slowest slowest;
    for (auto _ : state) {
        slowest.start();
        window.form.schemes.cmdStoreTag_Click();
        settleEvents();
        slowest.stop();
    }
    tell(state, window, slowest);
}

// Closing: every setting the window keeps written in one replace, or the unsaved ones told.
void Close(benchmark::State& state, LockState lock) {
    StuckFolder folder(state, lock);
    int boxes = 0;
    Slowest slowest;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>(folder.dir.path());
        window->desktop.boxes = 0;
        state.ResumeTiming();
        slowest.start();
        window->form.close();
        slowest.stop();
        state.PauseTiming();
        boxes = window->desktop.boxes;
        window.reset();
        state.ResumeTiming();
    }
    state.counters["slowest ms"] = slowest.ms();
    state.counters["boxes"] = boxes;
}

void registerAll() {
    const std::pair<LockState, const char*> locks[] = {{Free, "free"},
                                                       {HeldByLiveProcess, "held by a live process"},
                                                       {DirectoryInItsPlace, "a directory in its place"},
                                                       {CopyStoppedMidWrite, "copy stopped mid-write"}};
    for (const auto& [lock, label] : locks) {
        const std::string suffix = std::string("/") + label;
        benchmark::RegisterBenchmark(("OrderClick" + suffix).c_str(), OrderClick, lock)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("StoreScheme" + suffix).c_str(), StoreScheme, lock)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Close" + suffix).c_str(), Close, lock)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
}

// The other processes.
int holdLock(const QString& root) {
    QLockFile lock(lockOf(root));
    if (!lock.tryLock(0))
        return 1;
    std::puts("held");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}

int keepWriting(const QString& root) {
    SettingsStore store(root);
    for (int i = 0;; ++i)
        store.SaveSetting(App, "Other copy", "count", QString::number(i));
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--hold-lock") == 0)
        return holdLock(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--keep-writing") == 0)
        return keepWriting(QString::fromLocal8Bit(argv[2]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
