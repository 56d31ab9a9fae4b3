// The companion simulator run for real: its data folder, its setting in the program's store, and
// its real-time file while it writes it. Real processes, real files, the real settings store.
#include "gui/app/ProgramFixture.h"

#include "logdata/BoundedRead.h"
#include "logdata/LogParse.h"

#include <QDeadlineTimer>
#include <QThread>

#include <fstream>
#include <regex>
#include <thread>

namespace osk::test {
namespace {

std::string fileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kCompanionsLog = "Record,a,b,c,date\r\n1,2,3,2024-03-05 00:00:00,7.2\r\n";

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A log file as the program reads it.
ParseResult parsed(const std::filesystem::path& file) {
    const auto table = std::make_unique<RecordTable>();
    const LogBytes read = readLogFile(file.string());
    EXPECT_EQ(read.status, LogBytesStatus::Ok) << file;
    return parseLog(read.bytes, *table);
}

// Every file under a folder (none if there is no folder) with its bytes and time of change:
// what a refusal must leave as it was.
using FolderSnapshot =
    std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>>;

FolderSnapshot snapshot(const std::filesystem::path& folder) {
    FolderSnapshot files;
    for (const auto& entry : std::filesystem::exists(folder)
                                 ? std::filesystem::recursive_directory_iterator(folder)
                                 : std::filesystem::recursive_directory_iterator())
        files[std::filesystem::relative(entry.path(), folder).generic_string()] = {
            entry.is_directory() ? "<folder>" : fileText(entry.path()), entry.last_write_time()};
    return files;
}

class CompanionSim : public LogWindowFixture {
protected:
    ~CompanionSim() override {
        sim.kill();
        sim.waitForFinished(10000);
    }

    // The options, "@dir" standing for the data folder.
    void startSimulator(const std::string& options) {
        QStringList args = QString::fromStdString(options).split(u' ', Qt::SkipEmptyParts);
        args.replaceInStrings(QStringLiteral("@dir"), QString::fromStdString(dataDir.string()));
        sim.setProcessEnvironment(settingsFolder.environment());
        sim.start(QStringLiteral(OSK_COMPANION_SIM), args);
        ASSERT_TRUE(sim.waitForStarted(10000));
    }
    // Runs the simulator to its end: its exit code, and what it said on standard error.
    std::pair<int, std::string> runToEnd(const std::string& options) {
        startSimulator(options);
        EXPECT_TRUE(sim.waitForFinished(30000));
        return {sim.exitCode(), sim.readAllStandardError().toStdString()};
    }

    std::filesystem::path dataDir = companion.path() / "sim";
    QProcess sim;
};

TEST_F(CompanionSim, FillsItsFolderAndGrowsItsRealtimeFileUntilStopped) {
    startSimulator("--data-dir @dir --interval-ms 100 --records 50");
    // The simulator says so once its folder is complete and its DataDir stored.
    while (!sim.canReadLine())
        ASSERT_TRUE(sim.waitForReadyRead(30000)) << sim.readAllStandardError().toStdString();
    const std::filesystem::path canonical = std::filesystem::canonical(dataDir);
    EXPECT_EQ(stored(settings::kDataDir), canonical.string());

    // Three daily logs, the two older ones a full day each.
    std::vector<std::filesystem::path> logs;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir / "Data"))
        logs.push_back(entry.path());
    std::sort(logs.begin(), logs.end());
    ASSERT_EQ(logs.size(), 3u);
    for (size_t i = 0; i < logs.size(); ++i) {
        SCOPED_TRACE(logs[i].string());
        EXPECT_TRUE(
            std::regex_match(logs[i].filename().string(), std::regex(R"(\d{4}-\d{2}-\d{2}\.csv)")));
        const ParseResult result = parsed(logs[i]);
        EXPECT_EQ(std::tuple(result.outcome, result.name, i == 2 || result.recordCount == 8640),
                  std::tuple(ParseOutcome::Ok, "Demo pool", true));
    }

    // Waits, a bounded time, for records added after the first 50 (and the header line).
    const QDeadlineTimer deadline(20000);
    for (std::string text;
         text = fileText(canonical / "Realtime.csv"),
         std::count(text.begin(), text.end(), '\n') < 53 && !deadline.hasExpired();)
        QThread::msleep(20);
#ifdef _WIN32
    // A console program on Windows takes its stop request (Ctrl-C) from its own console only:
    // another process can but end it.
    sim.kill();
    ASSERT_TRUE(sim.waitForFinished(10000));
#else
    // A stop request ends the simulator cleanly, with no half line left behind.
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(std::tuple(sim.exitStatus(), sim.exitCode()), std::tuple(QProcess::NormalExit, 0));
    EXPECT_TRUE(fileText(canonical / "Realtime.csv").ends_with("\r\n"));
#endif
    // The records it added continue the first ones, 10 seconds apart.
    const auto table = std::make_unique<RecordTable>();
    const int32_t n =
        parseLog(readLogFile((canonical / "Realtime.csv").string()).bytes, *table).recordCount;
    EXPECT_GT(n, 50);
    for (int32_t k = 2; k <= n; ++k)
        EXPECT_EQ(genlog::parseDateTime(table->RecordTime[size_t(k)]).value_or(0) -
                      genlog::parseDateTime(table->RecordTime[size_t(k - 1)]).value_or(0),
                  10)
            << k;
}

// A run to its end: the data folder and DataDir before, the options ("@dir": the data folder),
// and what the run leaves.
struct RunCase {
    const char* name;
    const char* options;
    int code;
    const char* says; // on standard error, its only line when the code is 0
    int records = -1; // in Realtime.csv after the run, 0 any; -1: the folder is untouched
    const char* storedBefore =
        "";           // DataDir; "@other": another folder, "@same": this one spelt otherwise
    bool kept = true; // DataDir is as before, else the data folder's full name
    void (*make)(const std::filesystem::path& dir, const std::filesystem::path& other) = nullptr;
};
OSK_PRINTS_ITS_NAME(RunCase)

class CompanionSimRun : public CompanionSim, public ::testing::WithParamInterface<RunCase> {};

TEST_P(CompanionSimRun, LeavesTheFolderAndTheSettingsAsItShould) {
    const RunCase& r = GetParam();
    const TempDir other;
    if (r.make)
        r.make(dataDir, other.path());
    // Like a real companion's folder: only its own files.
    if (r.code == 3 && !std::filesystem::exists(dataDir / ".osk-companion-sim"))
        writeText(dataDir / "Data" / "2024-03-04.csv", kCompanionsLog);
    std::string before = r.storedBefore;
    if (before == "@other")
        before = other.path().string();
    else if (before == "@same")
        before = (dataDir.parent_path() / "." / dataDir.filename()).string();
    if (!before.empty())
        store(settings::kDataDir, before);
    const FolderSnapshot folder = snapshot(dataDir), elsewhere = snapshot(other.path());
    // File times have a coarse grain on some file systems: a rewrite must fall in a new one.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));

    const auto [code, err] = runToEnd(r.options);

    EXPECT_EQ(code, r.code) << err;
    EXPECT_NE(err.find(r.says), std::string::npos) << err;
    EXPECT_TRUE(code != 0 || std::count(err.begin(), err.end(), '\n') == (*r.says ? 1 : 0)) << err;
    EXPECT_TRUE(code != 3 || err.find("nothing was written") != std::string::npos) << err;
    if (r.records < 0) {
        EXPECT_EQ(snapshot(dataDir), folder);
    } else {
        const ParseResult result = parsed(dataDir / "Realtime.csv");
        EXPECT_EQ(result.outcome, ParseOutcome::Ok);
        EXPECT_TRUE(r.records == 0 || result.recordCount == r.records) << result.recordCount;
        EXPECT_FALSE(result.tooBig);
    }
    EXPECT_EQ(snapshot(other.path()), elsewhere);
    EXPECT_EQ(stored(settings::kDataDir),
              r.kept ? before : std::filesystem::canonical(dataDir).string());
}

using Path = const std::filesystem::path&;
void makeFolder(Path d, Path) {
    std::filesystem::create_directories(d);
}
// A data folder holding a companion's file that the simulator did not write.
RunCase foreign(const char* name, const char* file, void (*make)(Path, Path)) {
    return {name, "--data-dir @dir --records 5 --count 0 --replace-data-dir", 3, file, -1, "", true,
            make};
}

const RunCase kRuns[] = {
    {"stops_after_count_leaving_the_settings",
     "--data-dir @dir --interval-ms 20 --records 5 --count 3 --no-settings", 0, "", 8},
    // What the simulator does with a DataDir stored before it starts.
    {"another_data_dir_is_kept", "--data-dir @dir --count 0", 0, "DataDir stays", 0, "@other", true,
     makeFolder},
    {"another_data_dir_replaced", "--data-dir @dir --count 0 --replace-data-dir", 0, "", 0,
     "@other", false, makeFolder},
    {"no_data_dir_known", "--data-dir @dir --count 0", 0, "", 0, "-1", false, makeFolder},
    {"this_data_dir_spelt_otherwise", "--data-dir @dir --count 0", 0, "", 0, "@same", false,
     makeFolder},
    // Bad command lines.
    {"nothing", "", 2, ""},
    {"no_folder", "--data-dir", 2, ""},
    {"negative_records", "--data-dir @dir --records -1", 2, ""},
    {"keep_none", "--data-dir @dir --keep-records 0", 2, ""},
    {"keep_more_than_the_table", "--data-dir @dir --keep-records 19999", 2, ""},
    {"unknown_option", "--data-dir @dir --unknown", 2, ""},
    foreign("a_companions_realtime_file", "Realtime.csv",
            [](Path d, Path) { writeText(d / "Realtime.csv", kCompanionsLog); }),
    foreign("a_companions_log_only", "Data/2024-03-04.csv", makeFolder),
    foreign("a_log_in_capitals", "Data/OLD.CSV",
            [](Path d, Path) { writeText(d / "Data" / "OLD.CSV", kCompanionsLog); }),
};

INSTANTIATE_TEST_SUITE_P(Runs, CompanionSimRun, ::testing::ValuesIn(kRuns), CaseName());

TEST_F(CompanionSim, RealtimeFileKeepsItsNewestRecordsWithinTheLimitWhileBeingRead) {
    constexpr int32_t kKeep = 20, kStart = 15;
    startSimulator("--data-dir @dir --interval-ms 5 --records 15 --count 40 --keep-records 20 "
                   "--no-settings");
    while (!sim.canReadLine())
        ASSERT_TRUE(sim.waitForReadyRead(30000)) << sim.readAllStandardError().toStdString();
    // A reader at any moment finds a whole log within the limit.
    for (int reads = 0; sim.state() != QProcess::NotRunning; ++reads, sim.waitForFinished(1)) {
        const ParseResult seen = parsed(dataDir / "Realtime.csv");
        ASSERT_EQ(seen.outcome, ParseOutcome::Ok) << "read " << reads;
        ASSERT_TRUE(seen.recordCount >= kStart && seen.recordCount <= kKeep)
            << "read " << reads << ": " << seen.recordCount;
    }
    ASSERT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();

    // At the end it holds close to the limit: it was trimmed, not emptied.
    EXPECT_GE(parsed(dataDir / "Realtime.csv").recordCount, kKeep - 2);
}

} // namespace
} // namespace osk::test
