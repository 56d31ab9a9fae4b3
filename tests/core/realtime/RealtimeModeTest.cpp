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

class FixedClock : public Clock {
public:
    int currentSecond() const override { return second; }
    int second = 0;
};

// The main window as real-time mode sees it: every call written down in order; file queries
// answered from the disk or from a list of paths that "exist" elsewhere.
class FakeWindow : public RealtimeHost {
public:
    void setRecordsCaption(const std::string& text) override { records = text; }
    void setWindowCaption(const std::string& text) override { caption = text; }
    std::string SelectLogFile() override {
        ADD_FAILURE() << "the open command's chooser during real-time mode";
        return {};
    }
    void stopTimer() override { note("stop"); }
    void startTimer() override { note("start"); }
    void DoRealtime() override {
        note("DoRealtime");
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
    void InitAfterLoad() override { note("InitAfterLoad"); }
    void EnableDataControls(bool enabled) override {
        note(enabled ? "EnableDataControls(true)" : "EnableDataControls(false)");
    }
    void ShowNewest() override { note("ShowNewest"); }
    void redrawAfterRefresh() override { note("Redraw"); }

    void note(const std::string& s) { calls.push_back(s); }
    int count(const std::string& s) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), s));
    }
    std::string lastTimerCall() const {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (*it == "stop" || *it == "start")
                return *it;
        return "";
    }

    RealtimeMode* mode = nullptr;
    std::vector<std::string> calls;
    std::set<std::string> elsewhere;
    std::string caption;
    std::string records;
    bool checksOn = false;
    bool openFileEnabled = true;
    bool throwOnQuery = false;
};

std::string header() {
    return "Record,Date,Time,DateTime\r\n";
}
std::string record(int i) {
    return std::to_string(i) + ",d,t,2024-03-01 10:00:" + std::to_string(10 + i) + ",1,50.5\r\n";
}
std::string logOf(int records) {
    std::string out = header();
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
    void appendRealtime(const std::string& bytes) {
        std::ofstream(realtimeFile(), std::ios::binary | std::ios::app) << bytes;
    }
    void tickAt(int second) {
        clock.second = second;
        mode.Timer1Tick();
    }
    // Switches on over an existing real-time file, with no question asked.
    void switchOn() {
        writeRealtime(logOf(3));
        mode.mnuONClick();
        ASSERT_TRUE(mode.RealtimeOn());
        window.calls.clear();
    }
    std::string text(int n) const { return texts[n]; }
    std::vector<std::string> promptTexts() const {
        std::vector<std::string> out;
        for (const Prompt& p : dialogs.prompts)
            out.push_back(p.kind == Prompt::Kind::OpenFile ? "<open>" : p.text);
        return out;
    }
    void expectOff() {
        EXPECT_FALSE(mode.RealtimeOn());
        EXPECT_FALSE(window.checksOn);
        EXPECT_TRUE(window.openFileEnabled);
        EXPECT_EQ(window.caption, "OSK-Graphs  No file loaded");
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

TEST_F(RealtimeModeTest, OnWithRealtimeFileAsksNothingAndRefreshesAtSecondsOneAndThirtyOne) {
    writeRealtime(logOf(3));
    mode.mnuONClick();
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_TRUE(mode.RealtimeOn());
    EXPECT_TRUE(window.checksOn);
    EXPECT_FALSE(window.openFileEnabled);
    EXPECT_EQ(window.caption, "OSK-Graphs  Real time");
    EXPECT_EQ(window.calls, (std::vector<std::string>{"stop", "start"}));
    EXPECT_EQ(settings.values.count(settings::kRealtime), 0u);

    window.calls.clear();
    for (int second = 0; second < 60; ++second) {
        const int before = window.count("InitAfterLoad");
        tickAt(second);
        const bool refreshed = window.count("InitAfterLoad") > before;
        EXPECT_EQ(refreshed, second == 1 || second == 31) << "second " << second;
    }
    EXPECT_EQ(table->RecordCount, 3);
    EXPECT_TRUE(table->FileLoaded);
    // The reader's change check, then the post-load steps in their order.
    const std::vector<std::string> oneRefresh{
        "stop", "start", "InitAfterLoad", "EnableDataControls(true)", "ShowNewest", "Redraw"};
    EXPECT_EQ(std::vector<std::string>(window.calls.begin(), window.calls.begin() + 6), oneRefresh);
    EXPECT_EQ(mode.RealtimeFailCount(), 0);
}

TEST_F(RealtimeModeTest, TicksDoNothingWhileOff) {
    writeRealtime(logOf(3));
    for (int second : {1, 31})
        tickAt(second);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(table->RecordCount, 0);
    EXPECT_EQ(mode.RealtimeFailCount(), 0);
}

TEST_F(RealtimeModeTest, DataDirMinusOneLocatesTheCompanion) {
    settings.values[settings::kDataDir] = "-1";
    dialogs.cancelFile();
    mode.mnuONClick();
    ASSERT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(dialogs.prompts[0].kind, Prompt::Kind::Message);
    EXPECT_EQ(dialogs.prompts[0].text, "Please select the OSKRemote exe file");
    const OpenFileRequest& request = dialogs.prompts[1].request;
    EXPECT_EQ(dialogs.prompts[1].kind, Prompt::Kind::OpenFile);
    EXPECT_EQ(request.initialFolder, "-1");
    EXPECT_EQ(request.filter, "EXE Files (*.exe)|*.exe");
    EXPECT_EQ(request.selectedFilter, 2);
    // Cancel switches off and restarts the timer.
    expectOff();
    EXPECT_EQ(window.lastTimerCall(), "start");
    EXPECT_EQ(settings.values.count(settings::kRealtime), 0u);
}

TEST_F(RealtimeModeTest, ChoosingTheCompanionInAnyLetterCaseWritesTheRealtimeValue) {
    struct Case {
        const char* chosen;
        const char* realtime;
    };
    const Case cases[] = {
        {"C:\\Program Files\\OSKRemote\\oskremote.EXE",
         "C:\\Program Files\\OSKRemote\\Realtime.csv"},
        {"/opt/remote/OSKREMOTE.exe", "/opt/remote/Realtime.csv"},
        {"OSKRemote.exe", "Realtime.csv"},
    };
    for (const Case& c : cases) {
        settings.values[settings::kDataDir] = "-1";
        settings.values.erase(settings::kRealtime);
        dialogs.prompts.clear();
        dialogs.chooseFile(c.chosen);
        // The data folder is still unknown, so the real-time file is not found after all.
        dialogs.answerNo();
        mode.mnuONClick();
        EXPECT_EQ(settings.values[settings::kRealtime], c.realtime) << c.chosen;
        ASSERT_EQ(dialogs.prompts.size(), 3u);
        EXPECT_EQ(dialogs.prompts[2].text, text(32) + " " + text(66) + " " + text(68));
        expectOff();
        EXPECT_EQ(window.lastTimerCall(), "start");
    }
}

TEST_F(RealtimeModeTest, LocateDialogueEndsOnlyByTheUsersAnswers) {
    struct Case {
        const char* name;
        void (*script)(test::ScriptedDialogs&);
        std::vector<std::string> prompts;
        const char* lastTimerCall;
    };
    const std::string t63 = "Please select the OSKRemote exe file";
    const std::string t64 = text(64) + " " + text(68);
    const std::string t65 = "OSKRemote.exe not found!";
    const Case cases[] = {
        {"wrong file, then cancel",
         [](test::ScriptedDialogs& d) {
             d.chooseFile("/usr/bin/other.exe");
             d.cancelFile();
         },
         {t63, "<open>", t65, t63, "<open>"},
         "start"},
        {"nothing chosen, Yes, then cancel",
         [](test::ScriptedDialogs& d) {
             d.chooseFile("");
             d.answerYes();
             d.cancelFile();
         },
         {t63, "<open>", t64, t63, "<open>"},
         "start"},
        // Declining leaves the timer stopped.
        {"nothing chosen, No",
         [](test::ScriptedDialogs& d) {
             d.chooseFile("");
             d.answerNo();
         },
         {t63, "<open>", t64},
         "stop"},
    };
    for (const Case& c : cases) {
        settings.values[settings::kDataDir] = "-1";
        dialogs.prompts.clear();
        window.calls.clear();
        c.script(dialogs);
        mode.mnuONClick();
        EXPECT_EQ(promptTexts(), c.prompts) << c.name;
        expectOff();
        EXPECT_EQ(window.lastTimerCall(), c.lastTimerCall) << c.name;
        EXPECT_EQ(settings.values.count(settings::kRealtime), 0u) << c.name;
    }
    // The question about an empty choice carries the program title.
    EXPECT_EQ(dialogs.prompts[2].title, "OSK-Graphs");
}

TEST_F(RealtimeModeTest, NoDataFolderButCompanionFilesAtTheRoot) {
    struct Case {
        std::string atRoot;
        bool question; // the real-time file itself is missing
    };
    const Case cases[] = {
        {CompanionFile("", "Realtime.csv").string(), false},
        {CompanionFile("", "oskremote.exe").string(), true},
    };
    for (const Case& c : cases) {
        settings.values[settings::kDataDir] = "";
        settings.values.erase(settings::kRealtime);
        window.elsewhere = {c.atRoot};
        dialogs.prompts.clear();
        if (c.question)
            dialogs.answerNo();
        mode.mnuONClick();
        EXPECT_EQ(settings.values[settings::kRealtime],
                  "C:\\Program Files\\OSKRemote\\Realtime.csv");
        EXPECT_EQ(dialogs.prompts.size(), c.question ? 1u : 0u);
        EXPECT_EQ(mode.RealtimeOn(), !c.question);
        mode.mnuOFFClick();
    }
    // Nothing at the root: straight to locating the companion.
    window.elsewhere.clear();
    dialogs.prompts.clear();
    dialogs.cancelFile();
    mode.mnuONClick();
    EXPECT_EQ(promptTexts(), (std::vector<std::string>{text(63), "<open>"}));
}

TEST_F(RealtimeModeTest, MissingFileAtSwitchOnYesLocatesAgain) {
    // The data folder is known but holds no real-time file yet.
    dialogs.answerYes();
    dialogs.cancelFile();
    settings.values[settings::kRealtime] = "/somewhere/Realtime.csv";
    mode.mnuONClick();
    EXPECT_EQ(promptTexts(), (std::vector<std::string>{text(32) + " " + text(66) + " " + text(68),
                                                       text(63), "<open>"}));
    EXPECT_EQ(settings.values[settings::kRealtime], "");
    expectOff();
}

TEST_F(RealtimeModeTest, OffKeepsTheGraphWhileTheCaptionSaysNoFileLoaded) {
    switchOn();
    tickAt(31);
    ASSERT_TRUE(table->FileLoaded);
    mode.mnuOFFClick();
    expectOff();
    EXPECT_TRUE(table->FileLoaded);
    EXPECT_EQ(table->RecordCount, 3);
    EXPECT_EQ(window.count("EnableDataControls(false)"), 0);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(window.lastTimerCall(), "start");
}

// Each way a refresh can fail; six in a row end the mode.
struct FailureCase {
    const char* name;
    const char* dataDir; // nullptr: the test folder
    const char* content; // nullptr: no real-time file
    bool yes;            // answer to the question after the sixth failure
};

class RefreshFailures : public RealtimeModeTest,
                        public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RefreshFailures, SixthFailureTellsTheUserAndEndsTheMode) {
    const FailureCase& c = GetParam();
    switchOn();
    settings.values[settings::kRealtime] = "/before/Realtime.csv";
    std::filesystem::remove(realtimeFile());
    if (c.content)
        writeRealtime(c.content);
    if (c.dataDir)
        settings.values[settings::kDataDir] = c.dataDir;
    for (int i = 1; i <= 5; ++i) {
        tickAt(i % 2 ? 1 : 31);
        EXPECT_EQ(mode.RealtimeFailCount(), i);
    }
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_TRUE(mode.RealtimeOn());

    c.yes ? dialogs.answerYes() : dialogs.answerNo();
    tickAt(1);
    ASSERT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(dialogs.prompts[0].text, "Communication error with OSK-Remote");
    EXPECT_EQ(dialogs.prompts[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.prompts[1].text, text(67) + " " + text(68));
    EXPECT_EQ(settings.values[settings::kRealtime], c.yes ? "" : "/before/Realtime.csv");
    expectOff();
    EXPECT_EQ(mode.RealtimeFailCount(), 0);
    EXPECT_EQ(window.calls.back(), "EnableDataControls(false)");
    EXPECT_EQ(window.count("InitAfterLoad"), 0);
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
    tickAt(1); // success
    std::filesystem::remove(realtimeFile());
    tickAt(31); // failure 1
    writeRealtime(logOf(4));
    tickAt(1); // success: the count stays
    EXPECT_EQ(mode.RealtimeFailCount(), 1);
    std::filesystem::remove(realtimeFile());
    for (int i = 0; i < 4; ++i)
        tickAt(31);
    EXPECT_EQ(mode.RealtimeFailCount(), 5);
    EXPECT_TRUE(dialogs.prompts.empty());
    dialogs.answerNo();
    tickAt(1);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{text(46)}));
    expectOff();
}

TEST_F(RealtimeModeTest, UnchangedFileLeadsBackIntoTheSetUp) {
    switchOn();
    tickAt(1); // sets the baseline
    for (int i = 1; i < 30; ++i)
        tickAt(31);
    EXPECT_TRUE(dialogs.prompts.empty());
    // The 30th unchanged read asks; Yes sets the mode up again, which finds the file and
    // switches on once more, and the refresh still completes.
    dialogs.answerYes();
    tickAt(1);
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].text, text(73));
    EXPECT_EQ(dialogs.prompts[0].title, "OSK-Graphs");
    EXPECT_EQ(settings.values[settings::kRealtime], "-1");
    EXPECT_EQ(window.count("DoRealtime"), 1);
    EXPECT_TRUE(mode.RealtimeOn());
    EXPECT_EQ(window.caption, "OSK-Graphs  Real time");
    EXPECT_EQ(window.count("InitAfterLoad"), 31);
    EXPECT_EQ(window.lastTimerCall(), "start");

    // No leaves everything as it is; the count starts again.
    for (int i = 1; i < 30; ++i)
        tickAt(31);
    dialogs.answerNo();
    tickAt(1);
    EXPECT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(window.count("DoRealtime"), 1);
    EXPECT_TRUE(mode.RealtimeOn());
}

TEST_F(RealtimeModeTest, HalfWrittenLastLineWaitsForTheNextRefresh) {
    switchOn();
    table->RecordTime[10] = "from an earlier log";
    const std::string fourth = record(4);
    appendRealtime(fourth.substr(0, 12));
    tickAt(1);
    EXPECT_EQ(table->RecordCount, 3);
    EXPECT_TRUE(table->FileLoaded);
    appendRealtime(fourth.substr(12));
    tickAt(31);
    EXPECT_EQ(table->RecordCount, 4);
    EXPECT_EQ(table->RecordTime[4], "2024-03-01 10:00:14");
    EXPECT_DOUBLE_EQ(table->RecordValue(4, 6), 50.5);
    // The refresh reads over the table; it does not empty it first.
    EXPECT_EQ(table->RecordTime[10], "from an earlier log");
    EXPECT_EQ(mode.RealtimeFailCount(), 0);
}

TEST_F(RealtimeModeTest, FailureWhileSettingUpSwitchesOff) {
    window.throwOnQuery = true;
    mode.mnuONClick();
    expectOff();
    EXPECT_EQ(window.lastTimerCall(), "start");
}

TEST(CompanionPaths, JoinsWithThePlatformSeparator) {
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(CompanionFile("", "Realtime.csv").string(), sep + "Realtime.csv");
    EXPECT_EQ(CompanionFile("data", "Realtime.csv").string(), "data" + sep + "Realtime.csv");
    EXPECT_EQ(CompanionFile("data" + sep, "Realtime.csv").string(), "data" + sep + "Realtime.csv");
}

} // namespace
} // namespace osk
