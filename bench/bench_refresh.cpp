// What one refresh of the current colour costs, a drag of a channel slider over its whole range
// through the real handlers, and a paste of each colour form into the hex box. The window is shown offscreen;
// painting happens only in the benchmark that says so.
#include "ShownWindow.h"
#include "colour/CssColourText.h"
#include "editor/ColourEditor.h"
#include "editor/HexPaste.h"
#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "shell/frmTintwell.h"

#include <QApplication>
#include <QLineEdit>
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

// A paste into the hex box for each form a colour may be written in: the text read alone, and
// the whole paste (read, digits typed, colour refreshed). Two colours alternate, so every paste
// changes the colour.
// Each form twice, for two different colours.
const std::pair<const char*, std::array<const char*, 2>> Forms[] = {
    {"hex", {"#ff8000", "#0a80fa"}},
    {"name", {"rebeccapurple", "lightgoldenrodyellow"}},
    {"rgb", {"rgb(255, 128, 0)", "rgb(10 128 250 / 50%)"}},
    {"hsl", {"hsl(30, 100%, 50%)", "hsl(210.5deg 96% 51%)"}},
    {"hwb", {"hwb(30.1 0% 0%)", "hwb(0.58turn 3.9% 2%)"}},
    {"lab", {"lab(67.82 45.49 74.84)", "lab(54.2% 8.5 -75.1 / 0.5)"}},
    {"lch", {"lch(67.82 87.58 58.71)", "lch(54.2 75.6 276.4)"}},
    {"oklab", {"oklab(73.19% 0.11186 0.14836)", "oklab(0.6 -0.03 -0.19)"}},
    {"oklch", {"oklch(73.19% 0.1858 52.98)", "oklch(60% 0.19 260)"}},
    {"color(display-p3)", {"color(display-p3 0.9361 0.529 0.1987)", "color(display-p3 0.2 0.5 0.95)"}},
    {"color(rec2020)", {"color(rec2020 0.8 0.5 0.1)", "color(rec2020 20% 45% 90%)"}},
    {"color(xyz-d50)", {"color(xyz-d50 0.5 0.4 0.05)", "color(xyz-d50 0.2 0.2 0.6)"}},
};

void ReadText(benchmark::State& state) {
    const auto& [name, texts] = Forms[state.range(0)];
    const QString pair[2] = {QString::fromLatin1(texts[0]), QString::fromLatin1(texts[1])};
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cssColour::parseCssColour(pair[i ^= 1]));
    }
    state.SetLabel(name);
}
BENCHMARK(ReadText)->DenseRange(0, std::size(Forms) - 1);

void PasteIntoHexBox(benchmark::State& state) {
    const auto& [name, texts] = Forms[state.range(0)];
    const QString pair[2] = {QString::fromLatin1(texts[0]), QString::fromLatin1(texts[1])};
    QLineEdit& box = *window().form.txtHex;
    int i = 0;
    for (auto _ : state) {
        hexPaste::pasteInto(box, pair[i ^= 1]);
    }
    state.SetLabel(name);
    settleEvents();
}
BENCHMARK(PasteIntoHexBox)->DenseRange(0, std::size(Forms) - 1)->Unit(benchmark::kMicrosecond);

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
