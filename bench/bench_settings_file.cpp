// What a large valid settings file costs: the first read (read and parse), a read of the
// unchanged file, reading the whole scheme list, writing one key, and the window's first
// opening of the scheme editor, which lists every stored scheme. Sizes are in kilobytes and
// made of stored schemes, the way a file grows in use.
#include "platform/QtDesktopServices.h"
#include "platform/SettingsStore.h"
#include "scheme/StoredSchemes.h"
#include "shell/frmTintwell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

const QString App = QStringLiteral("Tintwell");

// One folder per size, written once and shared by the benchmarks of that size.
struct SizedFile {
    QTemporaryDir dir;
    qint64 bytes = 0;
    qint64 schemes = 0;
};

std::map<qint64, std::unique_ptr<SizedFile>>& files() {
    static std::map<qint64, std::unique_ptr<SizedFile>> made;
    return made;
}

QByteArray fileOf(qint64 kilobytes, qint64& schemes) {
    QByteArray text = "[Init]\ncboWhat=\\s4\nOnTop=\\s0\nOptPerf=1\nPN=7\n\n[Hole]\nleft=270\ntop=120\n"
                      "right=320\nbottom=140\nradiusX=20\nradiusY=20\n\n[Pallettes]\n";
    const qint64 wanted = kilobytes * 1000;
    text.reserve(wanted + 200);
    for (schemes = 0; text.size() < wanted; ++schemes)
        text += "Pallette " + QByteArray::number(schemes) +
                "=<BODY BGCOLOR\\=\\#FFFFFF TEXT\\=\\#000000 LINK\\=\\#0000FF VLINK\\=\\#800080 "
                "ALINK\\=\\#FF0000>\n";
    return text;
}

const SizedFile& fileFor(benchmark::State& state) {
    auto& made = files()[state.range(0)];
    if (!made) {
        made = std::make_unique<SizedFile>();
        const QByteArray text = fileOf(state.range(0), made->schemes);
        const QString path = made->dir.path() + "/Tintwell/Tintwell.conf";
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            state.SkipWithError("cannot write the settings file");
        made->bytes = text.size();
    }
    return *made;
}

void describe(benchmark::State& state, const SizedFile& file) {
    state.counters["MB"] = double(file.bytes) / 1e6;
    state.counters["schemes"] = double(file.schemes);
}

void FirstRead(benchmark::State& state) {
    const SizedFile& file = fileFor(state);
    for (auto _ : state) {
        SettingsStore store(file.dir.path());
        benchmark::DoNotOptimize(store.GetSetting(App, "Init", "cboWhat", "0"));
    }
    describe(state, file);
}

// Reads by a store that has parsed the file once already.
template <typename Read> void timeReads(benchmark::State& state, Read read) {
    const SizedFile& file = fileFor(state);
    SettingsStore store(file.dir.path());
    store.GetSetting(App, "Init", "cboWhat", "0");
    for (auto _ : state)
        read(store);
    describe(state, file);
}

void UnchangedRead(benchmark::State& state) {
    timeReads(state, [](SettingsStore& store) {
        benchmark::DoNotOptimize(store.GetSetting(App, "Init", "cboWhat", "0"));
    });
}

// What filling the scheme list asks of the store, the file unchanged.
void SchemeList(benchmark::State& state) {
    timeReads(state,
              [](SettingsStore& store) { benchmark::DoNotOptimize(store.GetAllSettings(App, "Pallettes")); });
}

// One key changed, as a click on the palette order does: lock, re-read check, write, rename.
void WriteOneKey(benchmark::State& state) {
    const SizedFile& file = fileFor(state);
    SettingsStore store(file.dir.path());
    store.GetSetting(App, "Init", "OptPerf", "0");
    int order = 0;
    for (auto _ : state)
        if (!store.SaveSetting(App, "Init", "OptPerf", QString::number(order++ % 6)))
            state.SkipWithError("the write was kept, not made");
    describe(state, file);
}

// Another running copy wrote: the next read parses the file again.
void ReadAfterAnotherCopyWrote(benchmark::State& state) {
    const SizedFile& file = fileFor(state);
    SettingsStore reader(file.dir.path());
    SettingsStore other(file.dir.path());
    int order = 0;
    for (auto _ : state) {
        state.PauseTiming();
        other.SaveSetting(App, "Init", "OptPerf", QString::number(order++ % 6));
        state.ResumeTiming();
        benchmark::DoNotOptimize(reader.GetSetting(App, "Init", "OptPerf", "0"));
    }
    describe(state, file);
}

// The window made and shown beforehand; timed is the click on "Tag Editor >>".
void OpenSchemeEditor(benchmark::State& state) {
    const SizedFile& file = fileFor(state);
    QtDesktopServices desktop;
    for (auto _ : state) {
        state.PauseTiming();
        SettingsStore store(file.dir.path());
        auto window = std::make_unique<frmTintwell>(store, desktop);
        window->show();
        QApplication::processEvents();
        state.ResumeTiming();
        window->schemes.cmdTagEditor_Click();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    describe(state, file);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->ArgName("KB")->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(FirstRead)->Apply(Sizes);
BENCHMARK(UnchangedRead)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(SchemeList)->Apply(Sizes);
BENCHMARK(WriteOneKey)->Apply(Sizes);
BENCHMARK(ReadAfterAnotherCopyWrote)->Apply(Sizes);
BENCHMARK(OpenSchemeEditor)->Apply(Sizes);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    files().clear();
    benchmark::Shutdown();
    return 0;
}
