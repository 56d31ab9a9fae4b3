// The Events window on a full log with many short excursions: opening it (made, filled with
// every excursion and day, shown), and choosing an excursion, which moves the time window over it
// and redraws the plot.
#include "BenchWindow.h"
#include "ManyExcursions.h"

#include "analysis/LogAnalysis.h"
#include "events/EventsController.h"
#include "graph/PlotRedraws.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <functional>

namespace {

using osk::bench::BenchProgram;

void OpenEventsWindow(benchmark::State& state, BenchProgram& program) {
    osk::EventsController& events = program.window->events();
    for (auto _ : state) {
        events.showWindow();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete events.window();
        state.ResumeTiming();
    }
    state.counters["excursions"] = static_cast<double>(program.state.Analysis.excursions.size());
}

void ChooseExcursion(benchmark::State& state, BenchProgram& program) {
    osk::EventsController& events = program.window->events();
    const size_t count = program.state.Analysis.excursions.size();
    const int64_t redrawsBefore = program.window->redraws().count();
    size_t index = 0;
    int64_t choices = 0;
    for (auto _ : state) {
        events.showExcursion(index);
        QCoreApplication::processEvents();
        index = (index + 97) % count; // spread over the log: the window moves every time
        ++choices;
    }
    state.counters["redraws per choice"] =
        static_cast<double>(program.window->redraws().count() - redrawsBefore) /
        static_cast<double>(choices);
}

} // namespace

int main(int argc, char** argv) {
    return osk::bench::runWindowBenchmarks(
        argc, argv, "bench_events", [](const std::filesystem::path& folder) {
            osk::bench::writeFullLog(folder / "log.csv");
            BenchProgram program;
            program.open(folder / "log.csv");
            // The excursions are added to the loaded table and analysed as a load would.
            osk::bench::addExcursions(program.state.records);
            program.state.Analysis = osk::AnalyseLog(program.state.records);
            program.window->show();
            benchmark::RegisterBenchmark("OpenEventsWindow", OpenEventsWindow, std::ref(program))
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("ChooseExcursion", ChooseExcursion, std::ref(program))
                ->Unit(benchmark::kMillisecond);
            benchmark::RunSpecifiedBenchmarks();
        });
}
