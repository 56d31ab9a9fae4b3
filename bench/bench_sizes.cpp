// Logs far longer than the record table, through the real main window on the offscreen platform:
// the Open File command on a log of a given size, or one real-time refresh (the timer's tick at
// second 1) of a "Realtime.csv" of that size. The reader never takes more than the table holds,
// so time and memory should not grow with the file.
//
//   bench_sizes --size=SIZE [--realtime] [benchmark options]
//
// SIZE is a record count ("19999", "25000") or megabytes of 1,000,000 bytes ("100MB",
// "1200MB"). The log is generated into the benchmark's temporary folder and removed with it.
// Peak memory is process-wide, so each size wants a process of its own: bench/bench-sizes.sh
// runs them one after the other and prints the table.
#include "BenchWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

using osk::bench::BenchProgram;

// How long the generated log is: a number of records, or at least a number of bytes.
struct LogSize {
    int64_t records = 0;
    uint64_t bytes = 0;
};

constexpr uint64_t kMegabyte = 1'000'000;

std::optional<LogSize> parseSize(std::string_view text) {
    const bool megabytes = text.size() > 2 && text.substr(text.size() - 2) == "MB";
    if (megabytes)
        text.remove_suffix(2);
    uint64_t n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    // At most 100 GB or 100 million records: more than any disk here wants to hold.
    if (error != std::errc() || end != text.data() + text.size() || n == 0 || n > 100'000'000)
        return std::nullopt;
    LogSize size;
    if (megabytes)
        size.bytes = n * kMegabyte;
    else
        size.records = static_cast<int64_t>(n);
    return size;
}

struct WrittenLog {
    int64_t records = 0;
    uint64_t bytes = 0;
};

// Streams a generated log into file, a few megabytes at a time, so that writing a large one
// neither takes long nor raises the process's peak memory.
WrittenLog writeLog(const std::filesystem::path& file, const LogSize& size) {
    constexpr size_t kFlushBytes = size_t{4} << 20;
    osk::genlog::LogOptions options;
    options.records = size.records > 0 ? size.records : std::numeric_limits<int64_t>::max();
    osk::genlog::LogGenerator generator(options);
    std::ofstream out(file, std::ios::binary);
    std::string buffer = generator.header();
    buffer.reserve(kFlushBytes + 4096);
    WrittenLog written;
    while ((size.bytes == 0 || written.bytes + buffer.size() < size.bytes) &&
           generator.appendRecord(buffer)) {
        ++written.records;
        if (buffer.size() >= kFlushBytes) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            written.bytes += buffer.size();
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    written.bytes += buffer.size();
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return written;
}

// The process's peak resident memory so far (VmHWM), in megabytes of 2^20 bytes; nullopt where
// /proc does not tell it.
std::optional<double> peakResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) != 0)
            continue;
        const char* begin = line.data() + 6;
        const char* end = line.data() + line.size();
        while (begin != end && (*begin == ' ' || *begin == '\t'))
            ++begin;
        uint64_t kilobytes = 0;
        if (std::from_chars(begin, end, kilobytes).ec != std::errc())
            return std::nullopt;
        return static_cast<double>(kilobytes) / 1024.0;
    }
    return std::nullopt;
}

// What every benchmark here reports beside its time.
struct Measured {
    BenchProgram& program;
    WrittenLog log;
    std::optional<double> peakBefore; // before the log was first read
};

// Messages and questions shown so far, every one answered at once.
int64_t promptsShown(const BenchProgram& program) {
    return program.dialogs.messages + program.dialogs.questions;
}

// promptsBefore: promptsShown before the timed loop.
void reportCounters(benchmark::State& state, const Measured& m, int64_t promptsBefore) {
    state.counters["prompts"] =
        benchmark::Counter(static_cast<double>(promptsShown(m.program) - promptsBefore),
                           benchmark::Counter::kAvgIterations);
    state.counters["records"] = m.program.state.records.RecordCount;
    state.counters["file_MB"] = static_cast<double>(m.log.bytes) / kMegabyte;
    state.counters["file_records"] = static_cast<double>(m.log.records);
    const std::optional<double> peak = peakResidentMegabytes();
    if (peak && m.peakBefore) {
        state.counters["peak_rss_MB"] = *peak;
        state.counters["peak_rss_growth_MB"] = *peak - *m.peakBefore;
    }
}

void OpenLogInWindow(benchmark::State& state, Measured& m) {
    const osk::MainWindowControls& c = m.program.controls();
    const int64_t promptsBefore = promptsShown(m.program);
    for (auto _ : state) {
        c.mnuOpenFile->trigger();
        // The window shows the new picture.
        QCoreApplication::processEvents();
    }
    if (!m.program.state.records.FileLoaded)
        state.SkipWithError("the log was not loaded");
    reportCounters(state, m, promptsBefore);
}

// The timer's tick at second 1 refreshes; the clock then moves on, so that Timer1's own ticks
// while the window paints refresh nothing.
void refreshOnce(BenchProgram& program) {
    program.clock.second = 1;
    program.window->realtime().Timer1_Timer();
    program.clock.second = 2;
}

void RealtimeRefresh(benchmark::State& state, Measured& m) {
    const int64_t promptsBefore = promptsShown(m.program);
    for (auto _ : state) {
        refreshOnce(m.program);
        QCoreApplication::processEvents();
    }
    if (!m.program.state.records.RealtimeOn || !m.program.state.records.FileLoaded)
        state.SkipWithError("the refresh did not load the real-time file");
    reportCounters(state, m, promptsBefore);
}

struct Options {
    std::string sizeText;
    LogSize size;
    bool realtime = false;
};

// Takes this program's own options out of argv, leaving Google Benchmark's.
std::optional<Options> takeOptions(int& argc, char** argv) {
    Options options;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.rfind("--size=", 0) == 0) {
            options.sizeText = std::string(arg.substr(7));
            const std::optional<LogSize> size = parseSize(options.sizeText);
            if (!size)
                return std::nullopt;
            options.size = *size;
        } else if (arg == "--realtime") {
            options.realtime = true;
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (options.sizeText.empty())
        return std::nullopt;
    argc = static_cast<int>(rest.size());
    for (size_t i = 0; i < rest.size(); ++i)
        argv[i] = rest[i];
    argv[argc] = nullptr;
    return options;
}

void run(const std::filesystem::path& folder, const Options& options) {
    // The real-time file lies in the companion's data folder.
    const std::filesystem::path companion = folder / "companion";
    std::filesystem::create_directory(companion);
    const std::filesystem::path log =
        options.realtime ? companion / "Realtime.csv" : folder / "log.csv";
    const WrittenLog written = writeLog(log, options.size);

    BenchProgram program;
    Measured measured{program, written, peakResidentMegabytes()};
    if (options.realtime) {
        // The companion's data folder holds the file, so ON switches on without a question.
        program.settings.RegWrite(osk::settings::kDataDir, companion.string());
        program.controls().mnuON->trigger();
        refreshOnce(program);
    } else {
        program.open(log);
    }
    program.showEverySeries();
    program.useFinestTimeGrid();

    const std::string name =
        std::string(options.realtime ? "RealtimeRefresh/" : "OpenLogInWindow/") + options.sizeText;
    const auto body = options.realtime ? RealtimeRefresh : OpenLogInWindow;
    benchmark::RegisterBenchmark(name.c_str(), body, std::ref(measured))
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = takeOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: bench_sizes --size=SIZE [--realtime] [benchmark options]\n"
                     "  SIZE: records (19999) or megabytes (100MB)\n";
        return 2;
    }
    return osk::bench::runWindowBenchmarks(
        argc, argv, "bench_sizes",
        [&](const std::filesystem::path& folder) { run(folder, *options); });
}
