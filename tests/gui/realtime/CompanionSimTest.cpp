// The companion simulator run for real: its data folder, its setting in the program's store, and
// the window in real-time mode following the file while the simulator writes it. Real processes,
// real files, the real settings store; only the clock's second is the test's.
#include "gui/realtime/RealtimeWindowFixture.h"
#include "gui/support/NamedCases.h"
#include "gui/support/Process.h"

#include "logdata/BoundedRead.h"
#include "logdata/LogParse.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QScrollBar>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <thread>
#include <vector>

namespace osk::test {
namespace {

std::string fileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A log file as the program reads it.
ParseResult parsed(const std::filesystem::path& file) {
    const auto table = std::make_unique<RecordTable>();
    const LogBytes read = readLogFile(file.string());
    EXPECT_EQ(read.status, LogBytesStatus::Ok) << file;
    return parseLog(read.bytes, *table);
}

// Every file under a folder with its bytes and time of change: what a refusal must leave as it
// was.
using FolderSnapshot =
    std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>>;

FolderSnapshot snapshot(const std::filesystem::path& folder) {
    FolderSnapshot files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = std::filesystem::relative(entry.path(), folder).generic_string();
        if (entry.is_directory())
            files[name] = {"<folder>", entry.last_write_time()};
        else
            files[name] = {fileText(entry.path()), entry.last_write_time()};
    }
    return files;
}

// The lines of a text, each with its line end.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
        out.push_back(text.substr(from, end + 1 - from));
    return out;
}

class CompanionSim : public RealtimeWindowFixture {
protected:
    ~CompanionSim() override {
        if (sim.state() != QProcess::NotRunning) {
            sim.kill();
            sim.waitForFinished(10000);
        }
    }

    // The data folder and the options.
    QStringList args(const std::string& options) const {
        QStringList list{QStringLiteral("--data-dir"), QString::fromStdString(dataDir.string())};
        if (!options.empty())
            list += QString::fromStdString(options).split(QLatin1Char(' '));
        return list;
    }
    void startSimulator(const QStringList& commandLine) {
        sim.setProcessEnvironment(settingsFolder.environment());
        sim.start(QStringLiteral(OSK_COMPANION_SIM), commandLine);
        ASSERT_TRUE(sim.waitForStarted(10000));
    }
    // Runs the simulator to its end: its exit code, and what it said on standard error.
    std::pair<int, std::string> runToEnd(const QStringList& commandLine) {
        startSimulator(commandLine);
        EXPECT_TRUE(sim.waitForFinished(30000));
        return {sim.exitCode(), sim.readAllStandardError().toStdString()};
    }
    // The simulator says so once its folder is complete and its DataDir stored.
    void waitUntilReady() {
        while (!sim.canReadLine())
            ASSERT_TRUE(sim.waitForReadyRead(30000)) << sim.readAllStandardError().toStdString();
    }

    // Waits, a bounded time, until the simulator has finished more records than the table has.
    void waitForNewRecords() {
        const QDeadlineTimer deadline(20000);
        const auto lines = [this] {
            const std::string text = fileText(dataDir / "Realtime.csv");
            return std::count(text.begin(), text.end(), '\n');
        };
        // The header line comes before the records; a line still being written does not count.
        while (lines() < state.records.RecordCount + 1 + 2 && !deadline.hasExpired())
            QThread::msleep(20);
        ASSERT_FALSE(deadline.hasExpired()) << "the simulator wrote nothing new";
    }

    void expectNewestShown() {
        const int32_t n = state.records.RecordCount;
        EXPECT_EQ(c->lblRecords->text(), QStringLiteral("Records: %1").arg(n));
        EXPECT_EQ(c->hscGraphScroller->value(), n);
        // The newest record is drawn: its point has a place in the plot.
        EXPECT_NE(state.render.PlotPoints.at(n, 0), 0) << "record " << n;
    }

    std::filesystem::path dataDir = companion.path() / "sim";
    QProcess sim;
};

TEST_F(CompanionSim, FillsItsFolderAndTheWindowFollowsItOverSeveralRefreshes) {
    startSimulator(args("--interval-ms 100 --records 50"));
    waitUntilReady();
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
        EXPECT_EQ(result.outcome, ParseOutcome::Ok);
        EXPECT_EQ(result.name, "Demo pool");
        if (i < 2) {
            EXPECT_EQ(result.recordCount, 8640);
        }
    }

    on();
    ASSERT_TRUE(dialogs.prompts.empty());
    expectModeAndCaption(true);
    c->chkItem[0]->setChecked(true); // the product series, drawn once a log is there
    const int64_t before = redraws();
    tickAt(1);
    ASSERT_TRUE(state.records.FileLoaded);
    EXPECT_GE(state.records.RecordCount, 50);
    expectNewestShown();
    for (int second : {31, 1}) {
        const int32_t last = state.records.RecordCount;
        waitForNewRecords();
        tickAt(second);
        ASSERT_TRUE(state.records.FileLoaded);
        EXPECT_GT(state.records.RecordCount, last);
        expectNewestShown();
    }
    EXPECT_EQ(redraws(), before + 3);
    EXPECT_EQ(window->realtime().mode().RealtimeFailCount(), 0);
    EXPECT_TRUE(dialogs.prompts.empty());
    // The added records continue the first ones, 10 seconds apart.
    const RecordTable& r = state.records;
    for (int32_t k = 2; k <= r.RecordCount; ++k) {
        const auto previous = genlog::parseDateTime(r.RecordTime[static_cast<size_t>(k - 1)]);
        const auto at = genlog::parseDateTime(r.RecordTime[static_cast<size_t>(k)]);
        ASSERT_TRUE(previous && at) << k;
        EXPECT_EQ(*at - *previous, 10) << k;
    }

    off();
    expectModeAndCaption(false);
#ifdef _WIN32
    // A console program on Windows takes its stop request (Ctrl-C) from its own console only:
    // another process can but end it.
    sim.kill();
    ASSERT_TRUE(sim.waitForFinished(10000));
#else
    // A stop request ends the simulator cleanly, with no half line left behind.
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_TRUE(fileText(canonical / "Realtime.csv").ends_with("\r\n"));
#endif
}

TEST_F(CompanionSim, StopsAfterCountAndCanLeaveTheSettingsAlone) {
    startSimulator(args("--interval-ms 20 --records 5 --count 3 --no-settings"));
    ASSERT_TRUE(sim.waitForFinished(30000));
    EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
    EXPECT_EQ(stored(settings::kDataDir), "");
    const ParseResult result = parsed(dataDir / "Realtime.csv");
    EXPECT_EQ(result.outcome, ParseOutcome::Ok);
    EXPECT_EQ(result.recordCount, 8);
}

TEST_F(CompanionSim, RefusesBadCommandLines) {
    const QStringList cases[] = {{},
                                 {QStringLiteral("--data-dir")},
                                 args("--interval-ms 0"),
                                 args("--records -1"),
                                 args("--count"),
                                 args("--keep-records 0"),
                                 args("--keep-records 19999"),
                                 args("--unknown")};
    for (const QStringList& line : cases) {
        startSimulator(line);
        ASSERT_TRUE(sim.waitForFinished(30000));
        EXPECT_EQ(sim.exitCode(), 2) << line.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_FALSE(std::filesystem::exists(dataDir));
    EXPECT_EQ(stored(settings::kDataDir), "");
}

// A data folder holding a companion's file that the simulator did not write, made by how.
struct ForeignCase {
    const char* name;
    const char* foreign; // the file named in the refusal
    void (*make)(const std::filesystem::path& folder, const std::filesystem::path& elsewhere);
};
OSK_PRINTS_ITS_NAME(ForeignCase)

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

const std::string kCompanionsLog = "Record,a,b,c,date\r\n1,2,3,2024-03-05 00:00:00,7.2\r\n";

class CompanionSimRefuses : public CompanionSim,
                            public ::testing::WithParamInterface<ForeignCase> {};

TEST_P(CompanionSimRefuses, AFolderWithAFileItDidNotWriteAndChangesNothing) {
    const ForeignCase& f = GetParam();
    const TempDir elsewhere;
    f.make(dataDir, elsewhere.path());
    if (!std::filesystem::exists(dataDir / ".osk-companion-sim")) {
        // Like a real companion's folder: only its own files.
        writeText(dataDir / "Data" / "2024-03-04.csv", kCompanionsLog);
    }
    const FolderSnapshot before = snapshot(dataDir);
    const FolderSnapshot beforeElsewhere = snapshot(elsewhere.path());
    // File times have a coarse grain on some file systems: a rewrite must fall in a new one.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));

    const auto [code, err] = runToEnd(args("--records 5 --count 0 --replace-data-dir"));

    EXPECT_EQ(code, 3);
    EXPECT_NE(err.find(f.foreign), std::string::npos) << err;
    EXPECT_NE(err.find("nothing was written"), std::string::npos) << err;
    EXPECT_EQ(snapshot(dataDir), before);
    EXPECT_EQ(snapshot(elsewhere.path()), beforeElsewhere);
    EXPECT_EQ(stored(settings::kDataDir), "");
}

const ForeignCase kForeignFolders[] = {
    ForeignCase{"a_companions_realtime_file", "Realtime.csv",
                [](const std::filesystem::path& d, const std::filesystem::path&) {
                    writeText(d / "Realtime.csv", kCompanionsLog);
                }},
    ForeignCase{"a_companions_log_only", "Data/2024-03-04.csv",
                [](const std::filesystem::path& d, const std::filesystem::path&) {
                    std::filesystem::create_directories(d);
                }},
    ForeignCase{"a_log_in_capitals", "Data/OLD.CSV",
                [](const std::filesystem::path& d, const std::filesystem::path&) {
                    writeText(d / "Data" / "OLD.CSV", kCompanionsLog);
                }},
    ForeignCase{
        "its_own_folder_with_a_log_added_later", "Data/2024-03-04.csv",
        [](const std::filesystem::path& d, const std::filesystem::path&) {
            std::filesystem::create_directories(d);
            const ProcessResult r = runProcess(
                QStringLiteral(OSK_COMPANION_SIM),
                {QStringLiteral("--data-dir"), QString::fromStdString(d.string()),
                 QStringLiteral("--count"), QStringLiteral("0"), QStringLiteral("--no-settings")});
            ASSERT_TRUE(r.finished && r.exitCode == 0) << r.err;
            writeText(d / "Data" / "2024-03-04.csv", kCompanionsLog);
        }},
#ifndef _WIN32
    // Symbolic links need an administrator's rights on Windows.
    ForeignCase{"its_realtime_file_turned_into_a_link", "Realtime.csv",
                [](const std::filesystem::path& d, const std::filesystem::path& other) {
                    std::filesystem::create_directories(d);
                    writeText(d / ".osk-companion-sim", "Realtime.csv\n");
                    writeText(other / "Realtime.csv", kCompanionsLog);
                    std::filesystem::create_symlink(other / "Realtime.csv", d / "Realtime.csv");
                }},
#endif
};

INSTANTIATE_TEST_SUITE_P(Folders, CompanionSimRefuses, ::testing::ValuesIn(kForeignFolders),
                         CaseName());

TEST_F(CompanionSim, RefillsItsOwnFolderAndListsWhatItWrote) {
    for (int run = 0; run < 2; ++run) {
        const auto [code, err] = runToEnd(args("--records 5 --count 0 --no-settings"));
        ASSERT_EQ(code, 0) << "run " << run << ": " << err;
    }
    EXPECT_EQ(parsed(dataDir / "Realtime.csv").recordCount, 5);
    const std::string marker = fileText(dataDir / ".osk-companion-sim");
    EXPECT_NE(marker.find("\nRealtime.csv\n"), std::string::npos) << marker;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir / "Data")) {
        const std::string name = "\nData/" + entry.path().filename().string() + "\n";
        EXPECT_NE(marker.find(name), std::string::npos) << name << " in " << marker;
    }
    // Neither the marker nor a replaced file leaves a temporary file behind.
    for (const auto& entry : std::filesystem::directory_iterator(dataDir))
        EXPECT_FALSE(entry.path().filename().string().ends_with(".new")) << entry.path();
}

// What the simulator does with a DataDir stored before it starts.
struct DataDirCase {
    const char* name;
    const char* before; // "@other": another folder that exists; "@same": this one, spelt otherwise
    bool replace;
    bool kept;
};
OSK_PRINTS_ITS_NAME(DataDirCase)

class CompanionSimDataDir : public CompanionSim,
                            public ::testing::WithParamInterface<DataDirCase> {};

TEST_P(CompanionSimDataDir, NamingAnotherFolderIsKeptUnlessReplacingIsAsked) {
    const DataDirCase& d = GetParam();
    const TempDir other;
    std::filesystem::create_directories(dataDir);
    std::string before = d.before;
    if (before == "@other")
        before = other.path().string();
    else if (before == "@same")
        before = (dataDir.parent_path() / "." / dataDir.filename()).string();
    store(settings::kDataDir, before);

    const auto [code, err] =
        runToEnd(args(d.replace ? "--count 0 --replace-data-dir" : "--count 0"));

    ASSERT_EQ(code, 0) << err;
    const std::string canonical = std::filesystem::canonical(dataDir).string();
    EXPECT_EQ(stored(settings::kDataDir), d.kept ? before : canonical);
    // Keeping it is said in one line; the folder is filled all the same.
    EXPECT_EQ(err.find("DataDir stays") != std::string::npos, d.kept) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), d.kept ? 1 : 0) << err;
    EXPECT_EQ(parsed(dataDir / "Realtime.csv").outcome, ParseOutcome::Ok);
}

INSTANTIATE_TEST_SUITE_P(Settings, CompanionSimDataDir,
                         ::testing::Values(DataDirCase{"another_folder", "@other", false, true},
                                           DataDirCase{"another_folder_replaced", "@other", true,
                                                       false},
                                           DataDirCase{"none_known", "-1", false, false},
                                           DataDirCase{"this_folder", "@same", false, false}),
                         CaseName());

TEST_F(CompanionSim, RealtimeFileKeepsItsNewestRecordsWithinTheLimitWhileBeingRead) {
    constexpr int32_t kKeep = 20, kStart = 15, kAppended = 40;
    startSimulator(args("--interval-ms 5 --records 15 --count 40 --keep-records 20 --no-settings"));
    waitUntilReady();
    // A reader at any moment finds a whole log within the limit.
    int reads = 0;
    while (sim.state() != QProcess::NotRunning) {
        const ParseResult seen = parsed(dataDir / "Realtime.csv");
        ASSERT_EQ(seen.outcome, ParseOutcome::Ok) << "read " << reads;
        ASSERT_GE(seen.recordCount, kStart) << "read " << reads;
        ASSERT_LE(seen.recordCount, kKeep) << "read " << reads;
        ++reads;
        sim.waitForFinished(1);
    }
    ASSERT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();

    // The file is the tail of everything the simulator produced, the newest record last.
    const std::string text = fileText(dataDir / "Realtime.csv");
    const std::vector<std::string> kept = lines(text);
    ASSERT_GE(kept.size(), 4u);
    const std::string& newest = kept.back();
    std::string field = newest;
    for (int k = 0; k < 3; ++k)
        field = field.substr(field.find(',') + 1);
    const auto last = genlog::parseDateTime(field.substr(0, field.find(',')));
    ASSERT_TRUE(last);
    genlog::LogOptions all;
    all.records = kStart + kAppended;
    all.start = genlog::formatDateTime(*last - (all.records - 1) * 10);
    all.seed = 7;
    all.name = "Demo pool";
    const std::vector<std::string> produced = lines(genlog::generateLog(all));
    EXPECT_EQ(kept.front(), produced.front()); // the header
    const std::vector<std::string> tail(produced.end() - static_cast<long>(kept.size() - 1),
                                        produced.end());
    EXPECT_EQ(std::vector<std::string>(kept.begin() + 1, kept.end()), tail);
    EXPECT_LE(kept.size() - 1, static_cast<size_t>(kKeep));
    EXPECT_GE(kept.size() - 1, static_cast<size_t>(kKeep - 2));
}

TEST_F(CompanionSim, StartsWithTheNewestRecordsWhenAskedForMoreThanItKeeps) {
    const auto [code, err] = runToEnd(args("--records 19999 --count 0 --no-settings"));
    ASSERT_EQ(code, 0) << err;
    const ParseResult result = parsed(dataDir / "Realtime.csv");
    EXPECT_EQ(result.outcome, ParseOutcome::Ok);
    EXPECT_EQ(result.recordCount, 19998);
    EXPECT_FALSE(result.tooBig);
}

} // namespace
} // namespace osk::test
