// Speed of the log parse on a full-size log (19999 records of 26 values), beside the bare read
// of the same bytes from disk.
#include "LogGenerator.h"
#include "logdata/BoundedRead.h"
#include "logdata/LogParse.h"
#include "logdata/RecordTable.h"

#include <benchmark/benchmark.h>

#include <cstdint>
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

// The worst case for the parse: a log of the same size in which no field repeats the text of
// the record before, so that every number is read.
std::string logWithoutRepeats() {
    uint64_t state = 42;
    const auto next = [&state] {
        uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    };
    std::string log = "Record,Date,Time,DateTime\r\n";
    for (int r = 1; r <= osk::kMaxRecords; ++r) {
        log += std::to_string(r) + ",2024-03-01,10:00:00,2024-03-01 10:00:00";
        for (int c = 5; c <= 30; ++c)
            log += "," + std::to_string(next() % 1000) + "." + std::to_string(next() % 10);
        log += "\r\n";
    }
    return log;
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path path = writeFullLog();
    const std::string name = path.string();
    const auto table = std::make_unique<osk::RecordTable>();
    const std::optional<std::string> content = osk::readLogFile(name).bytes;
    if (!content) {
        std::cerr << "cannot read " << name << "\n";
        return 1;
    }
    std::cerr << "log: " << content->size() << " bytes\n";

    benchmark::RegisterBenchmark("ReadOnly", [&](benchmark::State& state) {
        for (auto _ : state) {
            auto bytes = osk::readLogFile(name).bytes;
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
    const std::string noRepeats = logWithoutRepeats();
    benchmark::RegisterBenchmark("ParseWithoutRepeats", [&](benchmark::State& state) {
        for (auto _ : state) {
            const auto result = osk::parseLog(noRepeats, *table);
            benchmark::DoNotOptimize(result.recordCount);
        }
        state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(noRepeats.size()));
    });
    benchmark::RegisterBenchmark("ReadAndParse", [&](benchmark::State& state) {
        for (auto _ : state) {
            const auto bytes = osk::readLogFile(name).bytes;
            const auto result = osk::parseLog(bytes, *table);
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
