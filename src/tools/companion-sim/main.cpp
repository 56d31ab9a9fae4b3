// osk-companion-sim: a stand-in for the companion monitoring program, for demonstrations and
// tests. It fills a data folder with a few days of logs, tells the graph program where that
// folder is, and keeps "Realtime.csv" growing by one record per interval. It only writes into a
// folder that holds no companion files but its own, and leaves a DataDir that names another
// folder alone unless asked.
#include "DemoFolder.h"
#include "FolderClaim.h"
#include "StopSignal.h"
#include "Utf8Arguments.h"
#include "WholeNumber.h"

#include "app/QtSettingsStore.h"
#include "common/SettingsStore.h"
#include "common/Utf8Path.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "usage: osk-companion-sim --data-dir DIR [options]\n"
    "  --data-dir DIR     the companion's data folder (created): logs in DIR/Data, and\n"
    "                     DIR/Realtime.csv\n"
    "  --interval-ms N    one more real-time record every N ms (default 10000)\n"
    "  --records N        records in Realtime.csv at the start (default 1000)\n"
    "  --keep-records N   Realtime.csv keeps at most the newest N records (1 to 19998,\n"
    "                     default 19998, fewer than the graph program's table holds)\n"
    "  --count N          stop after N appended records (default: run until stopped)\n"
    "  --no-settings      do not store DIR as the companion's DataDir setting\n"
    "  --replace-data-dir store DIR as DataDir even when DataDir names another folder\n"
    "DIR is refused, and nothing written, when it holds a Realtime.csv or Data/*.csv that\n"
    "the simulator did not write; the files it wrote are listed in DIR/.osk-companion-sim.\n"
    "Exit status: 0 done or stopped, 1 a failure while writing, 2 a wrong command line,\n"
    "3 DIR refused.\n";

constexpr int kDays = 3;
// Distinct, so that a caller can tell a refused folder from a failure and choose another one.
constexpr int kExitFolderRefused = 3;
constexpr int64_t kMaxInterval = 3'600'000;
constexpr int64_t kMaxStartRecords = 1'000'000;
// Foreign files named in a refusal; the rest are counted.
constexpr size_t kFilesNamed = 5;
constexpr int64_t kMaxCount = 1'000'000'000;
// The pause inside a record line: short, but long enough for a reader to meet it.
constexpr std::chrono::milliseconds kLongestPause{100};

struct Options {
    std::filesystem::path dataDir;
    std::chrono::milliseconds interval{10000};
    int64_t records = 1000;
    int64_t keep = osk::companionsim::kRealtimeCapacity;
    std::optional<int64_t> count;
    bool writeSettings = true;
    bool replaceDataDir = false;
};

int fail(const std::string& message) {
    std::cerr << "osk-companion-sim: " << message << "\n" << kUsage;
    return 2;
}

// nullopt and a message on standard error for a bad command line.
std::optional<Options> parseArguments(int argc, char** argv, bool& help) {
    Options options;
    osk::tools::ArgumentWalk args(osk::tools::utf8Arguments(argc, argv));
    for (std::string_view arg; args.next(arg);) {
        if (arg == "--help" || arg == "-h") {
            help = true;
            return options;
        } else if (arg == "--data-dir") {
            const auto v = args.value();
            if (!v || v->empty()) {
                fail("--data-dir needs a folder");
                return std::nullopt;
            }
            options.dataDir = osk::pathFromUtf8(*v);
        } else if (arg == "--interval-ms") {
            const auto v = args.number(1, kMaxInterval);
            if (!v) {
                fail("--interval-ms needs a whole number from 1 to 3600000");
                return std::nullopt;
            }
            options.interval = std::chrono::milliseconds(*v);
        } else if (arg == "--records" || arg == "--count") {
            const auto v =
                arg == "--records" ? args.number(0, kMaxStartRecords) : args.number(0, kMaxCount);
            if (!v) {
                fail(std::string(arg) + " needs a whole number from 0 to " +
                     std::to_string(arg == "--records" ? kMaxStartRecords : kMaxCount));
                return std::nullopt;
            }
            if (arg == "--records")
                options.records = *v;
            else
                options.count = *v;
        } else if (arg == "--keep-records") {
            const auto v = args.number(1, osk::companionsim::kRealtimeCapacity);
            if (!v) {
                fail("--keep-records needs a whole number from 1 to " +
                     std::to_string(osk::companionsim::kRealtimeCapacity));
                return std::nullopt;
            }
            options.keep = *v;
        } else if (arg == "--no-settings") {
            options.writeSettings = false;
        } else if (arg == "--replace-data-dir") {
            options.replaceDataDir = true;
        } else {
            fail("unknown option " + std::string(arg));
            return std::nullopt;
        }
    }
    if (options.dataDir.empty()) {
        fail("--data-dir is required");
        return std::nullopt;
    }
    return options;
}

// Says why folder is refused.
void reportForeignFiles(const std::filesystem::path& folder,
                        const std::vector<std::string>& files) {
    std::string named;
    for (size_t i = 0; i < files.size() && i < kFilesNamed; ++i)
        named += (i == 0 ? "" : ", ") + files[i];
    if (files.size() > kFilesNamed)
        named += " and " + std::to_string(files.size() - kFilesNamed) + " more";
    std::cerr << "osk-companion-sim: " << osk::utf8Name(folder)
              << " holds companion files that the simulator did not write (" << named
              << "); nothing was written. Give it a folder of its own.\n";
}

// Whether the stored DataDir names a folder other than folder: neither empty nor "-1", which
// both mean that no data folder is known.
bool namesAnotherFolder(const std::string& stored, const std::filesystem::path& folder) {
    if (stored.empty() || stored == "-1")
        return false;
    std::error_code ec;
    return stored != osk::utf8Name(folder) &&
           !std::filesystem::equivalent(osk::pathFromUtf8(stored), folder, ec);
}

void storeDataDir(const std::filesystem::path& folder, bool replace) {
    osk::QtSettingsStore store;
    const std::string stored = store.RegRead(osk::settings::kDataDir);
    if (!replace && namesAnotherFolder(stored, folder)) {
        std::cerr << "osk-companion-sim: DataDir stays " << stored
                  << ", another folder (--replace-data-dir would set it to "
                  << osk::utf8Name(folder) << ")\n";
        return;
    }
    store.RegWrite(osk::settings::kDataDir, osk::utf8Name(folder));
}

int run(const Options& options, osk::companionsim::StopSignal& stop) {
    using namespace osk::companionsim;
    if (const auto foreign = foreignCompanionFiles(options.dataDir); !foreign.empty()) {
        reportForeignFiles(options.dataDir, foreign);
        return kExitFolderRefused;
    }
    std::filesystem::create_directories(options.dataDir / kLogFolderName);
    const std::filesystem::path dataDir = std::filesystem::canonical(options.dataDir);
    const int64_t now = localNowSeconds();
    const std::vector<DailyLog> logs = dailyLogs(now, kDays);
    // Claimed before they are written: a run cut short leaves no file it does not vouch for.
    std::vector<std::string> names{kRealtimeName};
    for (const DailyLog& log : logs)
        names.push_back(std::string(kLogFolderName) + "/" + log.name);
    claimFiles(dataDir, names);
    writeDailyLogs(dataDir / kLogFolderName, logs);
    RealtimeFile realtime(dataDir / kRealtimeName, options.records, now, options.keep);

    if (options.writeSettings)
        storeDataDir(dataDir, options.replaceDataDir);
    // One line for whoever started us: from here on the folder is complete.
    std::cout << "osk-companion-sim: data folder " << osk::utf8Name(dataDir) << std::endl;

    const auto pause = std::min(kLongestPause, options.interval / 4);
    const auto pauseInLine = [pause] { std::this_thread::sleep_for(pause); };
    for (int64_t appended = 0; !options.count || appended < *options.count; ++appended) {
        if (stop.waitFor(options.interval - pause))
            break;
        realtime.appendRecord(pauseInLine);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Before anything else, so that every thread leaves the stop signals to the wait.
    osk::companionsim::StopSignal stop;
    bool help = false;
    const std::optional<Options> options = parseArguments(argc, argv, help);
    if (help) {
        std::cout << kUsage;
        return 0;
    }
    if (!options)
        return 2;
    // The settings store is QSettings, which wants an application object.
    QCoreApplication app(argc, argv);
    try {
        return run(*options, stop);
    } catch (const std::exception& e) {
        std::cerr << "osk-companion-sim: " << e.what() << "\n";
        return 1;
    }
}
