// The own X11 picker: from asking to pick to the loupe drawn on the screen, and what one move
// of the pointer costs the processor (reading the pixels round it, moving and redrawing the
// loupe). Needs an X server:
//   bash tests/support/on_xvfb.sh build/bench/bench_pick
// bench/pick_sizes.sh runs it on screens of three sizes, beside an earlier build.
#include "pick/FrozenScreens.h"
#include "pick/Loupe.h"
#include "pick/X11Picker.h"
#include "pick/X11Pointer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

// Notes when the loupe has been painted.
struct PaintWatch : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

void cancel(Loupe& loupe) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&loupe, &escape);
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

// Until the loupe's first picture has reached the X server: the round trip of asking where the
// pointer is comes back only after the server has handled the drawing sent before it.
void PickerOnScreen(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto* picker = new X11Picker([](const PickOutcome&) {});
        PaintWatch watch;
        picker->loupe().installEventFilter(&watch);
        picker->start();
        while (!watch.painted) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        x11Pointer::pixel();
        state.SetIterationTime(std::chrono::duration<double>(clock.nsecsElapsed() / 1e9).count());
        cancel(picker->loupe());
    }
}
BENCHMARK(PickerOnScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

// Reading what appearing needs: the pixels round the pointer and under the loupe beside it.
void ReadNearThePointer(benchmark::State& state) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint pointer = screen.center();
    const QRect cover =
        FrozenScreens::nativeRectOf(QRect(Loupe::placeBeside(pointer, screen), Loupe::loupeSize()));
    for (auto _ : state) {
        FrozenScreens screens;
        benchmark::DoNotOptimize(screens.around(pointer, Loupe::Radius, cover));
    }
}
BENCHMARK(ReadNearThePointer)->Unit(benchmark::kMicrosecond);

// The pointer going back and forth between two places far apart, so the loupe moves each time.
void LoupeRedrawPerMove(benchmark::State& state) {
    auto* picker = new X11Picker([](const PickOutcome&) {});
    picker->start();
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint places[2] = {screen.center() - QPoint(200, 150), screen.center() + QPoint(200, 150)};
    int i = 0;
    for (auto _ : state) {
        picker->follow(places[i ^= 1]);
        QCoreApplication::processEvents();
    }
    cancel(picker->loupe());
}
BENCHMARK(LoupeRedrawPerMove)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The pointer sweeping along the screen 8 pixels a move, a new row each time round, so that
// the squares it reaches are read as it goes: the time of one move, reading included.
void SweepPerMove(benchmark::State& state) {
    auto* picker = new X11Picker([](const PickOutcome&) {});
    picker->start();
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QPoint pointer = screen.topLeft() + QPoint(0, 30);
    for (auto _ : state) {
        pointer.rx() += 8;
        if (pointer.x() >= screen.right()) {
            pointer = {screen.left(), screen.top() + (pointer.y() - screen.top() + 150) % screen.height()};
        }
        picker->follow(pointer);
        QCoreApplication::processEvents();
    }
    cancel(picker->loupe());
}
BENCHMARK(SweepPerMove)->Unit(benchmark::kMicrosecond)->Iterations(2000);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "bench_pick needs an X server: bash tests/support/on_xvfb.sh %s\n", argv[0]);
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
