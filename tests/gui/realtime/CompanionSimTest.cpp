// The companion simulator run for real: its data folder, its setting in the program's store, and
// real-time mode following the file while the simulator writes it.
#include "app/QtSettingsStore.h"
#include "lang/BuiltinTexts.h"
#include "logdata/FileReader.h"
#include "realtime/RealtimeMode.h"

#include "LogGenerator.h"
#include "gui/app/SettingsFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace osk {
namespace {

class FixedClock : public Clock {
public:
    int currentSecond() const override { return second; }
    int second = 0;
};

// Just enough of a main window for the reader and real-time mode.
class QuietWindow : public RealtimeHost {
public:
    void setRecordsCaption(const std::string&) override {}
    void setWindowCaption(const std::string&) override {}
    std::string SelectLogFile() override {
        ADD_FAILURE() << "file chooser";
        return {};
    }
    void stopTimer() override {}
    void startTimer() override {}
    void DoRealtime() override { ADD_FAILURE() << "real-time set-up from the reader"; }
    void setRealtimeChecks(bool) override {}
    void setOpenFileEnabled(bool) override {}
    bool fileExists(const std::string& path) override {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    }
    void InitAfterLoad() override {}
    void EnableDataControls(bool) override {}
    void ShowNewest() override {}
    void redrawAfterRefresh() override { ++redraws; }
    int redraws = 0;
};

std::string fileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CompanionSimTest : public ::testing::Test {
protected:
    CompanionSimTest() { storeBuiltinTexts(texts); }
    ~CompanionSimTest() override {
        if (sim.state() != QProcess::NotRunning) {
            sim.kill();
            sim.waitForFinished(10000);
        }
        EXPECT_TRUE(dialogs.prompts.empty());
    }

    void start(const QStringList& args) {
        sim.setProcessEnvironment(folder.environment());
        sim.start(QStringLiteral(OSK_COMPANION_SIM), args);
        ASSERT_TRUE(sim.waitForStarted(10000));
    }
    // The simulator says so once its data folder is complete.
    void waitUntilReady() {
        while (!sim.canReadLine())
            ASSERT_TRUE(sim.waitForReadyRead(30000)) << sim.readAllStandardError().toStdString();
    }
    QStringList args(const std::string& extra) const {
        QStringList list{QStringLiteral("--data-dir"), QString::fromStdString(dataDir.string())};
        if (!extra.empty())
            list += QString::fromStdString(extra).split(QLatin1Char(' '));
        return list;
    }
    void read(const std::filesystem::path& file, RecordTable& table) {
        FileReader(table, texts, dialogs, store, window).readFile(file.string());
    }

    test::SettingsFolder folder;
    test::TempDir dir;
    std::filesystem::path dataDir = dir.path() / "companion";
    QProcess sim;
    QtSettingsStore store;
    Texts texts;
    test::ScriptedDialogs dialogs;
    QuietWindow window;
};

TEST_F(CompanionSimTest, FillsTheFolderAndRealtimeModeFollowsIt) {
    start(args("--interval-ms 100 --records 50"));
    waitUntilReady();
    const std::filesystem::path canonical = std::filesystem::canonical(dataDir);
    EXPECT_EQ(store.RegRead(settings::kDataDir), canonical.string());

    // Three daily logs, the two older ones a full day each.
    std::vector<std::filesystem::path> logs;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir / "Data"))
        logs.push_back(entry.path());
    std::sort(logs.begin(), logs.end());
    ASSERT_EQ(logs.size(), 3u);
    const std::regex dailyName(R"(\d{4}-\d{2}-\d{2}\.csv)");
    for (size_t i = 0; i < logs.size(); ++i) {
        EXPECT_TRUE(std::regex_match(logs[i].filename().string(), dailyName)) << logs[i];
        auto table = std::make_unique<RecordTable>();
        read(logs[i], *table);
        if (i < 2) {
            EXPECT_TRUE(table->FileLoaded) << logs[i];
            EXPECT_EQ(table->RecordCount, 8640) << logs[i];
        }
        EXPECT_EQ(table->LogSource.Name(), "Demo pool");
    }

    // Real-time mode on the simulator's setting, two refreshes while it writes.
    auto table = std::make_unique<RecordTable>();
    FixedClock clock;
    RealtimeMode mode(*table, texts, dialogs, store, clock, window);
    mode.mnuONClick();
    ASSERT_TRUE(mode.RealtimeOn());
    clock.second = 1;
    mode.Timer1Tick();
    const int32_t first = table->RecordCount;
    EXPECT_GE(first, 50);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    clock.second = 31;
    mode.Timer1Tick();
    EXPECT_GT(table->RecordCount, first);
    EXPECT_EQ(window.redraws, 2);
    EXPECT_EQ(mode.RealtimeFailCount(), 0);
    // The added records continue the first ones, 10 seconds apart.
    for (int32_t r = 2; r <= table->RecordCount; ++r) {
        const auto before = genlog::parseDateTime(table->RecordTime[static_cast<size_t>(r - 1)]);
        const auto at = genlog::parseDateTime(table->RecordTime[static_cast<size_t>(r)]);
        ASSERT_TRUE(before && at) << r;
        EXPECT_EQ(*at - *before, 10) << r;
    }

    // A stop request ends the simulator cleanly, with no half line left behind.
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    const std::string realtime = fileText(canonical / "Realtime.csv");
    EXPECT_TRUE(realtime.ends_with("\r\n"));
}

TEST_F(CompanionSimTest, StopsAfterCountAndCanLeaveTheSettingsAlone) {
    start(args("--interval-ms 20 --records 5 --count 3 --no-settings"));
    ASSERT_TRUE(sim.waitForFinished(30000));
    EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
    EXPECT_EQ(store.RegRead(settings::kDataDir), "");
    auto table = std::make_unique<RecordTable>();
    read(dataDir / "Realtime.csv", *table);
    EXPECT_TRUE(table->FileLoaded);
    EXPECT_EQ(table->RecordCount, 8);
}

TEST_F(CompanionSimTest, RefusesBadCommandLines) {
    const std::vector<QStringList> cases = {{},
                                            {QStringLiteral("--data-dir")},
                                            args("--interval-ms 0"),
                                            args("--records -1"),
                                            args("--count"),
                                            args("--unknown")};
    for (const QStringList& c : cases) {
        start(c);
        ASSERT_TRUE(sim.waitForFinished(30000));
        EXPECT_EQ(sim.exitCode(), 2) << c.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_FALSE(std::filesystem::exists(dataDir));
    EXPECT_EQ(store.RegRead(settings::kDataDir), "");
}

} // namespace
} // namespace osk
