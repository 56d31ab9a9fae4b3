// The companion simulator run for real: its data folder, its setting in the program's store, and
// the window in real-time mode following the file while the simulator writes it. Real processes,
// real files, the real settings store; only the clock's second is the test's.
#include "gui/realtime/RealtimeWindowFixture.h"

#include "logdata/LogParse.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QScrollBar>
#include <QThread>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <vector>

namespace osk::test {
namespace {

std::string fileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A log file as the reader would take it.
ParseResult parsed(const std::filesystem::path& file) {
    const auto table = std::make_unique<RecordTable>();
    return parseLog(fileText(file), *table);
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
    // A stop request ends the simulator cleanly, with no half line left behind.
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_TRUE(fileText(canonical / "Realtime.csv").ends_with("\r\n"));
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
                                 args("--unknown")};
    for (const QStringList& line : cases) {
        startSimulator(line);
        ASSERT_TRUE(sim.waitForFinished(30000));
        EXPECT_EQ(sim.exitCode(), 2) << line.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_FALSE(std::filesystem::exists(dataDir));
    EXPECT_EQ(stored(settings::kDataDir), "");
}

} // namespace
} // namespace osk::test
