// What one refresh of the current colour costs, and a drag of a channel slider over its whole
// range through the real handlers. The window is shown offscreen; painting happens only in
// the benchmark that says so.
#include "ShownWindow.h"
#include "editor/ColourEditor.h"
#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "shell/frmTintwell.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using modColors::ColourValue;
using modColors::RGB;

namespace {

struct TemporaryFolder {
    QTemporaryDir dir;
};

// The folder comes first, so that it exists before the store is made in it.
struct Window : TemporaryFolder, ShownWindow<QtDesktopServices> {
    Window() : ShownWindow(dir.path()) {}
};

// Made in main, after the application and before the benchmarks, and gone before the application.
Window* theWindow = nullptr;
Window& window() {
    return *theWindow;
}

// Two colours that differ in every channel, none of them standard: every step has work to do.
constexpr ColourValue Colours[2] = {RGB(10, 128, 250), RGB(250, 20, 60)};

void ShowColour(benchmark::State& state) {
    frmTintwell& f = window().form;
    const int before = f.editor.refreshCount();
    int i = 0;
    for (auto _ : state) {
        f.editor.ShowColour(Colours[i ^= 1]);
    }
    state.counters["refreshes"] = f.editor.refreshCount() - before;
    settleEvents();
}
BENCHMARK(ShowColour);

void ShowColourAndPaint(benchmark::State& state) {
    frmTintwell& f = window().form;
    int i = 0;
    for (auto _ : state) {
        f.editor.ShowColour(Colours[i ^= 1]);
        settleEvents();
    }
}
BENCHMARK(ShowColourAndPaint);

// The thumb pressed, moved through all 256 positions (up and down in turn) and released:
// Qt's own drag path, sliderMoved then valueChanged for every position.
void SliderDrag256(benchmark::State& state) {
    frmTintwell& f = window().form;
    QScrollBar* red = f.vsbColor[0];
    f.editor.ShowColour(Colours[0]);
    red->setValue(0);
    const int before = f.editor.refreshCount();
    bool up = true;
    for (auto _ : state) {
        red->setSliderDown(true);
        for (int v = 1; v < 256; ++v) {
            red->setSliderPosition(up ? v : 255 - v);
        }
        red->setSliderPosition(up ? 255 : 0);
        red->setSliderDown(false);
        up = !up;
    }
    state.counters["refreshes per drag"] =
        benchmark::Counter(f.editor.refreshCount() - before, benchmark::Counter::kAvgIterations);
    settleEvents();
}
BENCHMARK(SliderDrag256)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    auto shown = std::make_unique<Window>();
    theWindow = shown.get();
    benchmark::RunSpecifiedBenchmarks();
    shown.reset();
    benchmark::Shutdown();
    return 0;
}
