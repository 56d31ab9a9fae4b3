#include "realtime/RealtimeMode.h"

#include "lang/BuiltinTexts.h"
#include "realtime/CompanionPaths.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace osk {
namespace {

using test::Prompt;
using Strings = std::vector<std::string>;

class FixedClock : public Clock {
public:
    int currentSecond() const override { return second; }
    int second = 0;
};

// The main window as real-time mode sees it. Files "exist" on disk or in the list elsewhere.
class FakeWindow : public RealtimeHost {
public:
    void setRecordsCaption(const std::string&) override {}
    void setWindowCaption(const std::string& text) override { caption = text; }
    std::string SelectLogFile() override {
        ADD_FAILURE() << "the open command's chooser";
        return {};
    }
    void stopTimer() override { timerRunning = false; }
    void startTimer() override { timerRunning = true; }
    void DoRealtime() override {
        calls.push_back("DoRealtime");
        mode->DoRealtime();
    }
    void setRealtimeChecks(bool on) override { checksOn = on; }
    void setOpenFileEnabled(bool enabled) override { openFileEnabled = enabled; }
    bool fileExists(const std::string& path) override {
        if (throwOnQuery)
            throw std::runtime_error("query failed");
        std::error_code ec;
        return elsewhere.count(path) > 0 || std::filesystem::is_regular_file(path, ec);
    }
    void InitAfterLoad() override { calls.push_back("InitAfterLoad"); }
    void EnableDataControls(bool on) override { calls.push_back(on ? "Enable" : "Disable"); }
    void ShowNewest() override { calls.push_back("ShowNewest"); }
    void redrawAfterRefresh() override { calls.push_back("Redraw"); }
    int count(const std::string& s) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), s));
    }

    RealtimeMode* mode = nullptr;
    Strings calls;
    std::set<std::string> elsewhere;
    std::string caption;
    bool timerRunning = true, checksOn = false, openFileEnabled = true, throwOnQuery = false;
};

std::string record(int i) {
    return std::to_string(i) + ",d,t,2024-03-01 10:00:" + std::to_string(10 + i) + ",1,50.5\r\n";
}
std::string logOf(int records) {
    std::string out = "Record,Date,Time,DateTime\r\n";
    for (int i = 1; i <= records; ++i)
        out += record(i);
    return out;
}

class RealtimeModeTest : public ::testing::Test {
protected:
    RealtimeModeTest() {
        storeBuiltinTexts(texts);
        window.mode = &mode;
        settings.values[settings::kDataDir] = dir.path().string();
    }
    ~RealtimeModeTest() override { EXPECT_TRUE(dialogs.allAnswersUsed()); }

    std::string realtimeFile() const { return (dir.path() / "Realtime.csv").string(); }
    void writeRealtime(const std::string& bytes) { dir.write("Realtime.csv", bytes); }
    void tickAt(int second) {
        clock.second = second;
        mode.Timer1Tick();
    }
    void switchOn() {
        writeRealtime(logOf(3));
        mode.mnuONClick();
        ASSERT_TRUE(mode.RealtimeOn());
        window.calls.clear();
    }
    std::string realtimeValue() {
        const auto it = settings.values.find(settings::kRealtime);
        return it == settings.values.end() ? "<unset>" : it->second;
    }
    // The prompts shown so far, by text; "<open>" for the Open dialog.
    Strings prompts() const {
        Strings out;
        for (const Prompt& p : dialogs.prompts)
            out.push_back(p.kind == Prompt::Kind::OpenFile ? "<open>" : p.text);
        return out;
    }
    void expectOff(bool timerRunning = true) {
        EXPECT_FALSE(mode.RealtimeOn());
        EXPECT_FALSE(window.checksOn);
        EXPECT_TRUE(window.openFileEnabled);
        EXPECT_EQ(window.caption, "OSK-Graphs  No file loaded");
        EXPECT_EQ(window.timerRunning, timerRunning);
    }

    test::TempDir dir;
    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    Texts texts;
    test::ScriptedDialogs dialogs;
    test::MemorySettingsStore settings;
    FixedClock clock;
    FakeWindow window;
    RealtimeMode mode{*table, texts, dialogs, settings, clock, window};
};

TEST_F(RealtimeModeTest, OnAsksNothingAndRefreshesOnlyAtSecondsOneAndThirtyOne) {
    writeRealtime(logOf(3));
    tickAt(1); // off: nothing
    mode.mnuONClick();
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_TRUE(window.checksOn);
    EXPECT_FALSE(window.openFileEnabled);
    EXPECT_TRUE(window.timerRunning);
    EXPECT_EQ(window.caption, "OSK-Graphs  Real time");
    EXPECT_EQ(realtimeValue(), "<unset>");
    EXPECT_TRUE(window.calls.empty());

    Strings refreshedAt;
    for (int second = 0; second < 60; ++second) {
        const size_t before = window.calls.size();
        tickAt(second);
        if (window.calls.size() > before)
            refreshedAt.push_back(std::to_string(second));
    }
    EXPECT_EQ(refreshedAt, (Strings{"1", "31"}));
    EXPECT_EQ(table->RecordCount, 3);
    EXPECT_EQ(Strings(window.calls.begin(), window.calls.begin() + 4),
              (Strings{"InitAfterLoad", "Enable", "ShowNewest", "Redraw"}));
}

// Each case switches on with a data folder value and answers the prompts in turn: "yes", "no",
// "cancel" or the path chosen in the Open dialog.
struct SetUpCase {
    const char* name;
    std::string dataDir; // "<root>": none, but a real-time file at the root
    Strings answers;
    Strings prompts;
    std::string realtime; // the Realtime value afterwards
    bool on;
    bool timerRunning;
};

class SetUp : public RealtimeModeTest, public ::testing::WithParamInterface<SetUpCase> {};

const std::string kT63 = "Please select the OSKRemote exe file";
const std::string kT65 = "OSKRemote.exe not found!";
const std::string kNotFound = "Realtime file not found. Select another location? (warning! if no "
                              "file is selected realtime will not work)";
const std::string kNoneChosen = "No file selected, Select file? (warning! if no file is selected "
                                "realtime will not work) (warning! if no file is selected "
                                "realtime will not work)";

TEST_P(SetUp, EndsByTheUsersAnswers) {
    const SetUpCase& c = GetParam();
    settings.values[settings::kDataDir] = c.dataDir == "<root>" ? "" : c.dataDir;
    if (c.dataDir == "<root>")
        window.elsewhere = {CompanionFile("", "Realtime.csv").string()};
    for (const std::string& a : c.answers)
        a == "yes"      ? dialogs.answerYes()
        : a == "no"     ? dialogs.answerNo()
        : a == "cancel" ? dialogs.cancelFile()
                        : dialogs.chooseFile(a);
    mode.mnuONClick();
    EXPECT_EQ(prompts(), c.prompts);
    EXPECT_EQ(realtimeValue(), c.realtime);
    EXPECT_EQ(mode.RealtimeOn(), c.on);
    EXPECT_EQ(window.checksOn, c.on);
    EXPECT_EQ(window.timerRunning, c.timerRunning);
    for (const Prompt& p : dialogs.prompts) {
        if (p.kind == Prompt::Kind::OpenFile) {
            EXPECT_EQ(p.request.initialFolder, settings.values[settings::kDataDir]);
            EXPECT_EQ(p.request.filter, "EXE Files (*.exe)|*.exe");
            EXPECT_EQ(p.request.selectedFilter, 2);
        }
        EXPECT_EQ(p.title, p.text == kNoneChosen ? "OSK-Graphs" : "") << p.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    RealtimeMode, SetUp,
    ::testing::Values(
        SetUpCase{"MinusOneCancel", "-1", {"cancel"}, {kT63, "<open>"}, "<unset>", false, true},
        // Chosen in other letter case; the folder is still "-1", so the file is not found.
        SetUpCase{"CompanionChosen",
                  "-1",
                  {"C:\\Program Files\\Remote\\oskREMOTE.EXE", "no"},
                  {kT63, "<open>", kNotFound},
                  "C:\\Program Files\\Remote\\Realtime.csv",
                  false,
                  true},
        SetUpCase{"WrongFileThenCancel",
                  "-1",
                  {"/usr/bin/other.exe", "cancel"},
                  {kT63, "<open>", kT65, kT63, "<open>"},
                  "<unset>",
                  false,
                  true},
        SetUpCase{"NothingChosenYesThenCancel",
                  "-1",
                  {"", "yes", "cancel"},
                  {kT63, "<open>", kNoneChosen, kT63, "<open>"},
                  "<unset>",
                  false,
                  true},
        // Declining leaves the timer stopped.
        SetUpCase{"NothingChosenNo",
                  "-1",
                  {"", "no"},
                  {kT63, "<open>", kNoneChosen},
                  "<unset>",
                  false,
                  false},
        SetUpCase{
            "NoFolderNothingAtRoot", "", {"cancel"}, {kT63, "<open>"}, "<unset>", false, true},
        SetUpCase{"NoFolderFileAtRoot",
                  "<root>",
                  {},
                  {},
                  "C:\\Program Files\\OSKRemote\\Realtime.csv",
                  true,
                  true},
        SetUpCase{"FolderWithoutFileYes",
                  "/nonexistent-folder",
                  {"yes", "cancel"},
                  {kNotFound, kT63, "<open>"},
                  "",
                  false,
                  true}),
    [](const ::testing::TestParamInfo<SetUpCase>& info) { return info.param.name; });

TEST_F(RealtimeModeTest, OffKeepsTheGraphWhileTheCaptionSaysNoFileLoaded) {
    switchOn();
    tickAt(31);
    mode.mnuOFFClick();
    expectOff();
    EXPECT_TRUE(table->FileLoaded);
    EXPECT_EQ(table->RecordCount, 3);
    EXPECT_EQ(window.count("Disable"), 0);
    // A failure while setting up also leaves the mode off.
    window.throwOnQuery = true;
    mode.mnuONClick();
    expectOff();
}

// Ways a refresh fails; the sixth failure in a row ends the mode.
struct FailureCase {
    const char* name;
    const char* dataDir; // nullptr: the test folder
    const char* content; // nullptr: no real-time file
    bool yes;            // answer to the question after the sixth failure
};

class RefreshFailures : public RealtimeModeTest,
                        public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RefreshFailures, SixthTellsTheUserAndEndsTheMode) {
    const FailureCase& c = GetParam();
    switchOn();
    settings.values[settings::kRealtime] = "/before/Realtime.csv";
    std::filesystem::remove(realtimeFile());
    if (c.content)
        writeRealtime(c.content);
    if (c.dataDir)
        settings.values[settings::kDataDir] = c.dataDir;
    for (int i = 1; i <= 5; ++i)
        tickAt(i % 2 ? 1 : 31);
    EXPECT_EQ(mode.RealtimeFailCount(), 5);
    EXPECT_TRUE(dialogs.prompts.empty());
    c.yes ? dialogs.answerYes() : dialogs.answerNo();
    tickAt(1);
    EXPECT_EQ(prompts(), (Strings{texts[46], texts[67] + " " + texts[68]}));
    EXPECT_EQ(dialogs.prompts[0].icon, MessageIcon::Critical);
    EXPECT_EQ(realtimeValue(), c.yes ? "" : "/before/Realtime.csv");
    expectOff();
    EXPECT_EQ(mode.RealtimeFailCount(), 0);
    EXPECT_EQ(window.calls, Strings{"Disable"});
}

INSTANTIATE_TEST_SUITE_P(
    Causes, RefreshFailures,
    ::testing::Values(FailureCase{"FileGone", nullptr, nullptr, true},
                      FailureCase{"DataDirEmptied", "", nullptr, false},
                      FailureCase{"DataDirMinusOne", "-1", nullptr, true},
                      FailureCase{"TooFewRecords", nullptr, "Record\r\n1,d,t,x\r\n", false},
                      FailureCase{"LineWithTooManyFields", nullptr,
                                  "Record\r\n1,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\r\n2\r\n3\r\n",
                                  true}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(RealtimeModeTest, FailureBetweenSuccessesStillCounts) {
    switchOn();
    tickAt(1);
    std::filesystem::remove(realtimeFile());
    tickAt(31);
    writeRealtime(logOf(4));
    tickAt(1);
    EXPECT_EQ(mode.RealtimeFailCount(), 1);
    std::filesystem::remove(realtimeFile());
    for (int i = 0; i < 4; ++i)
        tickAt(31);
    EXPECT_TRUE(dialogs.prompts.empty());
    dialogs.answerNo();
    tickAt(1);
    EXPECT_EQ(dialogs.messages(), Strings{texts[46]});
    expectOff();
}

TEST_F(RealtimeModeTest, UnchangedFileLeadsBackIntoTheSetUp) {
    switchOn();
    for (int i = 0; i < 30; ++i) // the baseline, then 29 unchanged reads
        tickAt(31);
    EXPECT_TRUE(dialogs.prompts.empty());
    // Yes sets the mode up again, which finds the file and switches on; the refresh completes.
    dialogs.answerYes();
    tickAt(1);
    EXPECT_EQ(prompts(), Strings{texts[73]});
    EXPECT_EQ(realtimeValue(), "-1");
    EXPECT_EQ(window.count("DoRealtime"), 1);
    EXPECT_TRUE(mode.RealtimeOn());
    EXPECT_TRUE(window.timerRunning);
    EXPECT_EQ(window.caption, "OSK-Graphs  Real time");
    EXPECT_EQ(window.count("Redraw"), 31);
}

TEST_F(RealtimeModeTest, HalfWrittenLastLineWaitsForTheNextRefresh) {
    switchOn();
    table->RecordTime[10] = "from an earlier log";
    writeRealtime(logOf(3) + record(4).substr(0, 12));
    tickAt(1);
    EXPECT_EQ(table->RecordCount, 3);
    EXPECT_TRUE(table->FileLoaded);
    writeRealtime(logOf(4));
    tickAt(31);
    EXPECT_EQ(table->RecordCount, 4);
    EXPECT_DOUBLE_EQ(table->RecordValue(4, 6), 50.5);
    EXPECT_EQ(table->RecordTime[10], "from an earlier log"); // read over, not emptied
    EXPECT_EQ(mode.RealtimeFailCount(), 0);
}

TEST(CompanionPaths, JoinsWithThePlatformSeparator) {
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(CompanionFile("", "Realtime.csv").string(), sep + "Realtime.csv");
    EXPECT_EQ(CompanionFile("data", "Realtime.csv").string(), "data" + sep + "Realtime.csv");
    EXPECT_EQ(CompanionFile("data" + sep, "Realtime.csv").string(), "data" + sep + "Realtime.csv");
}

} // namespace
} // namespace osk
