// The day report of one day of a full log (19,999 records) written as a PDF, from the log's
// analysis to the file on disk, through the window's day report as the render tool drives it,
// on the offscreen platform. Goal: well under 300 ms.
#include "BenchWindow.h"

#include "print/DayReportController.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <functional>
#include <iostream>

namespace {

using osk::bench::BenchProgram;

void DayReportPdf(benchmark::State& state, BenchProgram& program, const QString& file) {
    osk::DayReportController& report = program.window->dayReport();
    size_t days = 0;
    for (auto _ : state) {
        // The analysis is the load's; it is made again here so that the figure covers all of
        // what a report of a freshly loaded log costs.
        const osk::LogAnalysis analysis = osk::AnalyseLog(program.state.records);
        // The newest whole day: the log's second day.
        if (analysis.days.size() < 2) {
            state.SkipWithError("the log holds fewer than two days");
            return;
        }
        if (const QString error = report.writePdf(file, analysis, {1, 1}); !error.isEmpty()) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        days = analysis.days.size();
    }
    state.counters["days"] = static_cast<double>(days); // in the log
}

} // namespace

int main(int argc, char** argv) {
    return osk::bench::runWindowBenchmarks(
        argc, argv, "bench_day_report", [](const std::filesystem::path& folder) {
            osk::bench::writeFullLog(folder / "log.csv");
            BenchProgram program;
            program.open(folder / "log.csv");
            const QString file = QString::fromStdString((folder / "day.pdf").string());
            benchmark::RegisterBenchmark("DayReportPdf", DayReportPdf, std::ref(program), file)
                ->Unit(benchmark::kMillisecond);
            benchmark::RunSpecifiedBenchmarks();
        });
}
