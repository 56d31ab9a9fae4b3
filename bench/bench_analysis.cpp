// Speed of the analysis of a full-size log (19999 records) with many short excursions.
#include "LogGenerator.h"
#include "ManyExcursions.h"
#include "analysis/LogAnalysis.h"
#include "logdata/LogParse.h"
#include "logdata/RecordTable.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    osk::genlog::LogOptions options;
    options.records = osk::kMaxRecords;
    options.gapAfter = 9000;
    options.gapMinutes = 30;
    const auto table = std::make_unique<osk::RecordTable>();
    if (osk::parseLog(osk::genlog::generateLog(options), *table).recordCount != osk::kMaxRecords) {
        std::cerr << "the generated log did not fill the table\n";
        return 1;
    }
    osk::bench::addExcursions(*table);
    const osk::LogAnalysis once = osk::AnalyseLog(*table);
    std::cerr << "log: " << table->RecordCount << " records, " << once.excursions.size()
              << " excursions, " << once.days.size() << " days\n";

    benchmark::RegisterBenchmark("AnalyseLog", [&](benchmark::State& state) {
        for (auto _ : state) {
            const osk::LogAnalysis a = osk::AnalyseLog(*table);
            benchmark::DoNotOptimize(a.excursions.data());
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RangeFiguresWholeLog", [&](benchmark::State& state) {
        for (auto _ : state) {
            const osk::Figures f = osk::RangeFigures(*table, 1, table->RecordCount);
            benchmark::DoNotOptimize(f.coveredSeconds);
        }
    })->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
