// Speed of the log parse on a full-size log (19999 records of 26 values), beside the bare read
// of the same bytes from disk.
#include "LogGenerator.h"
#include "logdata/LogParse.h"
#include "logdata/RecordTable.h"
#include "logdata/WholeFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path writeFullLog() {
    osk::genlog::LogOptions options;
    options.records = osk::kMaxRecords;
    options.name = "Bench pool";
    const std::string log = osk::genlog::generateLog(options);
    const auto path = std::filesystem::temp_directory_path() /
                      ("osk-bench-parse-" + std::to_string(::getpid()) + ".csv");
    std::ofstream(path, std::ios::binary) << log;
    return path;
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path path = writeFullLog();
    const std::string name = path.string();
    const auto table = std::make_unique<osk::RecordTable>();
    const std::optional<std::string> content = osk::readWholeFile(name);
    if (!content) {
        std::cerr << "cannot read " << name << "\n";
        return 1;
    }
    std::cerr << "log: " << content->size() << " bytes\n";

    benchmark::RegisterBenchmark("ReadOnly", [&](benchmark::State& state) {
        for (auto _ : state) {
            auto bytes = osk::readWholeFile(name);
            benchmark::DoNotOptimize(bytes);
        }
        state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(content->size()));
    });
    benchmark::RegisterBenchmark("Parse", [&](benchmark::State& state) {
        for (auto _ : state) {
            const auto result = osk::parseLog(*content, *table);
            benchmark::DoNotOptimize(result.recordCount);
        }
        state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(content->size()));
    });
    benchmark::RegisterBenchmark("ReadAndParse", [&](benchmark::State& state) {
        for (auto _ : state) {
            const auto bytes = osk::readWholeFile(name);
            const auto result = osk::parseLog(bytes.value_or(std::string()), *table);
            benchmark::DoNotOptimize(result.recordCount);
        }
        state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(content->size()));
    });

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return 0;
}
