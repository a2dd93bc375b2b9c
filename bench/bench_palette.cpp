// The safe palette's two costly moments, offscreen: the first opening (215 cells created,
// filled, painted) and a change of order (216 codes and colours rewritten and repainted).
#include "palette/SafeGrid.h"
#include "palette/SafePalette.h"
#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "shell/frmTintwell.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Desk {
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    QtDesktopServices desktop;
};

Desk& desk() {
    static Desk d;
    return d;
}

void BM_FirstOpening(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<frmTintwell>(desk().store, desk().desktop);
        state.ResumeTiming();
        window->palette.cmdSafe_Click();
        QPixmap panel = window->fraSF->grab();
        benchmark::DoNotOptimize(panel);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstOpening)->Unit(benchmark::kMillisecond);

void BM_OrderChange(benchmark::State& state) {
    frmTintwell window(desk().store, desk().desktop);
    window.palette.cmdSafe_Click();
    int order = 0;
    for (auto _ : state) {
        order = (order + 1) % safeGrid::OrderCount;
        window.optPerformance[order]->setChecked(true);
        QPixmap panel = window.fraSF->grab();
        benchmark::DoNotOptimize(panel);
    }
}
BENCHMARK(BM_OrderChange)->Unit(benchmark::kMillisecond);

// The codes alone, without widgets or the settings file.
void BM_FillColours(benchmark::State& state) {
    const safeGrid::DigitPairs pairs = safeGrid::BuildDigitPairs();
    int order = 0;
    for (auto _ : state) {
        order = (order + 1) % safeGrid::OrderCount;
        benchmark::DoNotOptimize(safeGrid::FillColours(order, pairs));
    }
}
BENCHMARK(BM_FillColours)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
