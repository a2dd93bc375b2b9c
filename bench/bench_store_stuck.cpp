// How long the real window takes to answer a click that writes a setting, and to close, while
// the settings file cannot be locked: free (for comparison), locked by a live process that
// never lets go, a directory where the lock file goes, and another copy stopped (SIGSTOP)
// while it holds the lock in the middle of a write. The other processes are this program,
// started again with --hold-lock or --keep-writing.
#include "palette/SafeGrid.h"
#include "palette/SafePalette.h"
#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "scheme/StoredSchemes.h"
#include "shell/frmTintwell.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

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
    int messageBox(const QString&, int, const QString&) override {
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

    explicit StuckFolder(benchmark::State& state) {
        QDir().mkpath(dir.path() + "/Tintwell");
        switch (LockState(state.range(0))) {
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

struct Window {
    AnsweringDesktop desktop;
    SettingsStore store;
    frmTintwell form{store, desktop};

    explicit Window(const QString& root) : store(root) {
        form.show();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
};

void name(benchmark::internal::Benchmark* b) {
    b->ArgName("lock")->DenseRange(Free, CopyStoppedMidWrite)->Unit(benchmark::kMillisecond);
}

void tell(benchmark::State& state, const Window& window) {
    state.counters["boxes"] = window.desktop.boxes;
    state.counters["unsaved keys"] =
        window.store.unsaved().isEmpty() ? 0 : window.store.unsaved()[0].keys.size();
}

// A click on another palette order: the panel redrawn and the order stored.
void OrderClick(benchmark::State& state) {
    StuckFolder folder(state);
    Window window(folder.dir.path());
    window.form.palette.cmdSafe_Click();
    Window::settle();
    int order = 0;
    for (auto _ : state) {
        order = (order + 1) % safeGrid::OrderCount;
        window.form.optPerformance[order]->setChecked(true);
        Window::settle();
    }
    tell(state, window);
}
BENCHMARK(OrderClick)->Apply(name);

// "Store" in the scheme editor, a new name each time: the name proposed from the file, the
// scheme and the counter stored, the list filled again.
void StoreScheme(benchmark::State& state) {
    StuckFolder folder(state);
    Window window(folder.dir.path());
    window.form.schemes.cmdTagEditor_Click();
    Window::settle();
    for (auto _ : state) {
        window.form.schemes.cmdStoreTag_Click();
        Window::settle();
    }
    tell(state, window);
}
BENCHMARK(StoreScheme)->Apply(name);

// Closing: every setting the window keeps written in one replace, or the unsaved ones told.
void Close(benchmark::State& state) {
    StuckFolder folder(state);
    int boxes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>(folder.dir.path());
        window->desktop.boxes = 0;
        state.ResumeTiming();
        window->form.close();
        state.PauseTiming();
        boxes = window->desktop.boxes;
        window.reset();
        state.ResumeTiming();
    }
    state.counters["boxes"] = boxes;
}
BENCHMARK(Close)->Apply(name)->Iterations(5);

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
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
