// The window's Save picture (PNG) and Copy picture commands on a full log with every series
// drawn at 1600 x 900, from the menu entry to the file written or the clipboard filled, on the
// offscreen platform.
#include "BenchWindow.h"

#include <QAction>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <iostream>

namespace {

using osk::bench::BenchProgram;

void SavePictureAsPng(benchmark::State& state, BenchProgram& program) {
    const osk::MainWindowControls& c = program.controls();
    for (auto _ : state)
        c.mnuSavePicture->trigger();
    state.counters["pixels"] = c.client->width() * c.Frame5->y();
}

void CopyPicture(benchmark::State& state, BenchProgram& program) {
    for (auto _ : state)
        program.controls().mnuCopyPicture->trigger();
}

} // namespace

int main(int argc, char** argv) {
    return osk::bench::runWindowBenchmarks(
        argc, argv, "bench_export", [](const std::filesystem::path& folder) {
            osk::bench::writeFullLog(folder / "log.csv");
            BenchProgram program;
            // The Save dialog answers with the picture's path as a PNG.
            program.dialogs.saveAnswer = osk::SaveFileChoice{(folder / "picture.png").string(), 1};
            program.open(folder / "log.csv");
            program.showEverySeries();
            const int64_t messagesBefore = program.dialogs.messages;
            benchmark::RegisterBenchmark("SavePictureAsPng", SavePictureAsPng, std::ref(program))
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("CopyPicture", CopyPicture, std::ref(program))
                ->Unit(benchmark::kMillisecond);
            benchmark::RunSpecifiedBenchmarks();
            // The commands measured show a message only when they fail.
            if (program.dialogs.messages != messagesBefore)
                std::cerr << "bench_export: " << program.dialogs.messages - messagesBefore
                          << " messages, the last: " << program.dialogs.lastMessage << '\n';
        });
}
