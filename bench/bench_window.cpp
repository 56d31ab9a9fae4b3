// A full log opened and drawn through the real main window on the offscreen platform: the
// Open File command from the chooser's answer to the shown picture, and the window's redraw of
// every series alone. bench_redraw's surface that draws nothing gives the engine's own share.
#include "BenchWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <functional>

namespace {

using osk::bench::BenchProgram;

void OpenLogInWindow(benchmark::State& state, BenchProgram& program) {
    const osk::MainWindowControls& c = program.controls();
    for (auto _ : state) {
        c.mnuOpenFile->trigger();
        // The window shows the new picture.
        QCoreApplication::processEvents();
    }
    state.counters["records"] = program.state.records.RecordCount;
}

void RedrawInWindow(benchmark::State& state, BenchProgram& program) {
    for (auto _ : state) {
        program.window->requestRedraw();
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv) {
    return osk::bench::runWindowBenchmarks(
        argc, argv, "bench_window", [](const std::filesystem::path& folder) {
            osk::bench::writeFullLog(folder / "log.csv");
            BenchProgram program;
            program.open(folder / "log.csv");
            program.showEverySeries();
            program.useFinestTimeGrid();
            benchmark::RegisterBenchmark("OpenLogInWindow", OpenLogInWindow, std::ref(program))
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("RedrawInWindow", RedrawInWindow, std::ref(program))
                ->Unit(benchmark::kMillisecond);
            benchmark::RunSpecifiedBenchmarks();
        });
}
