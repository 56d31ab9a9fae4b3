#include "realtime/RealtimeMode.h"

#include "lang/BuiltinTexts.h"
#include "realtime/CompanionPaths.h"
#include "support/LogText.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
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
class FakeWindow : public ReaderHost, public RealtimeHost {
public:
    void setRecordsCaption(const std::string&) override {}
    void setWindowCaption(const std::string& text) override { caption = text; }
    std::string SelectLogFile() override {
        ADD_FAILURE() << "the open command's chooser";
        return {};
    }
    void stopTimer() override { timerRunning = false; }
    void startTimer() override { timerRunning = true; }
    void DoRealtime() override { mode->DoRealtime(); }
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

    RealtimeMode* mode = nullptr;
    Strings calls;
    std::set<std::string> elsewhere;
    std::string caption;
    bool timerRunning = true, checksOn = false, openFileEnabled = true, throwOnQuery = false;
};

class RealtimeModeTest : public ::testing::Test {
protected:
    RealtimeModeTest() {
        storeBuiltinTexts(texts);
        window.mode = &mode;
        settings.values[settings::kDataDir] = dir.path().string();
    }
    ~RealtimeModeTest() override { EXPECT_TRUE(dialogs.allAnswersUsed()); }

    void writeRealtime(const std::string& bytes) { dir.write("Realtime.csv", bytes); }
    void removeRealtime() { std::filesystem::remove(dir.path() / "Realtime.csv"); }
    void tickAt(int second) {
        clock.second = second;
        mode.Timer1Tick();
    }
    void switchOn() {
        writeRealtime(test::logText(3));
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
    void expectOff() {
        EXPECT_FALSE(mode.RealtimeOn());
        EXPECT_FALSE(window.checksOn);
        EXPECT_TRUE(window.openFileEnabled);
        EXPECT_EQ(window.caption, "OSK-Graphs  No file loaded");
        EXPECT_TRUE(window.timerRunning);
    }

    test::TempDir dir;
    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    Texts texts;
    test::ScriptedDialogs dialogs;
    test::MemorySettingsStore settings;
    FixedClock clock;
    FakeWindow window;
    RealtimeMode mode{*table, texts, dialogs, settings, clock, window, window};
};

TEST_F(RealtimeModeTest, OnAsksNothingAndRefreshesOnlyAtSecondsOneAndThirtyOne) {
    writeRealtime(test::logText(3));
    tickAt(1); // off: nothing
    mode.mnuONClick();
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_TRUE(window.checksOn && !window.openFileEnabled && window.timerRunning);
    EXPECT_EQ(window.caption, "OSK-Graphs  Real time");
    EXPECT_EQ(realtimeValue(), "<unset>");
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

// The set-up's prompts by short name: the Open dialog, texts 63 and 65, and the two questions.
std::string promptName(const Prompt& p) {
    const std::pair<const char*, const char*> names[] = {
        {"Please select the OSKRemote exe file", "T63"},
        {"OSKRemote.exe not found!", "T65"},
        {"Realtime file not found. Select another location? (warning! if no file is selected "
         "realtime will not work)",
         "NotFound"},
        {"No file selected, Select file? (warning! if no file is selected realtime will not work) "
         "(warning! if no file is selected realtime will not work)",
         "NoneChosen"}};
    for (const auto& [text, name] : names)
        if (p.text == text)
            return name;
    return p.kind == Prompt::Kind::OpenFile ? "open" : p.text;
}

// Each case switches on with a data folder value and answers the prompts in turn ("|" between
// answers): "yes", "no", "cancel" or the path chosen in the Open dialog.
struct SetUpCase {
    const char* name;
    // "<root>": none, but a real-time file at the root; "<root exe>": none, but the companion's
    // executable at the root.
    std::string dataDir;
    std::string answers, prompts;
    std::string realtime; // the Realtime value afterwards
    bool on, timerRunning;
};

void PrintTo(const SetUpCase& c, std::ostream* os) {
    *os << c.name;
}

class SetUp : public RealtimeModeTest, public ::testing::WithParamInterface<SetUpCase> {};

TEST_P(SetUp, EndsByTheUsersAnswers) {
    const SetUpCase& c = GetParam();
    const bool atRoot = c.dataDir == "<root>" || c.dataDir == "<root exe>";
    settings.values[settings::kDataDir] = atRoot ? "" : c.dataDir;
    if (c.dataDir == "<root>")
        window.elsewhere = {CompanionFile("", "Realtime.csv")};
    if (c.dataDir == "<root exe>")
        window.elsewhere = {CompanionFile("", "oskremote.exe")};
    for (size_t from = 0; from < c.answers.size();) {
        const size_t to = std::min(c.answers.find('|', from), c.answers.size());
        const std::string a = c.answers.substr(from, to - from);
        a == "yes"      ? dialogs.answerYes()
        : a == "no"     ? dialogs.answerNo()
        : a == "cancel" ? dialogs.cancelFile()
                        : dialogs.chooseFile(a == "-" ? "" : a);
        from = to + 1;
    }
    mode.mnuONClick();
    std::string shown;
    for (const Prompt& p : dialogs.prompts) {
        shown += (shown.empty() ? "" : " ") + promptName(p);
        if (p.kind == Prompt::Kind::OpenFile) {
            EXPECT_EQ(p.request.initialFolder, settings.values[settings::kDataDir]);
            EXPECT_EQ(p.request.filter, "EXE Files (*.exe)|*.exe");
            EXPECT_EQ(p.request.selectedFilter, 2);
        }
        EXPECT_EQ(p.title, promptName(p) == "NoneChosen" ? "OSK-Graphs" : "") << p.text;
    }
    EXPECT_EQ(shown, c.prompts);
    EXPECT_EQ(realtimeValue(), c.realtime);
    EXPECT_EQ(mode.RealtimeOn(), c.on);
    EXPECT_EQ(window.checksOn, c.on);
    EXPECT_EQ(window.timerRunning, c.timerRunning);
}

INSTANTIATE_TEST_SUITE_P(
    RealtimeMode, SetUp,
    ::testing::Values(
        SetUpCase{"MinusOneCancel", "-1", "cancel", "T63 open", "<unset>", false, true},
        // Chosen in other letter case; the folder is still "-1", so the file is not found.
        SetUpCase{"CompanionChosen", "-1", "C:\\Program Files\\Remote\\oskREMOTE.EXE|no",
                  "T63 open NotFound", "C:\\Program Files\\Remote\\Realtime.csv", false, true},
        SetUpCase{"WrongFileThenCancel", "-1", "/usr/bin/other.exe|cancel", "T63 open T65 T63 open",
                  "<unset>", false, true},
        SetUpCase{"NothingChosenYesThenCancel", "-1", "-|yes|cancel",
                  "T63 open NoneChosen T63 open", "<unset>", false, true},
        // Declining leaves the timer stopped.
        SetUpCase{"NothingChosenNo", "-1", "-|no", "T63 open NoneChosen", "<unset>", false, false},
        SetUpCase{"NoFolderNothingAtRoot", "", "cancel", "T63 open", "<unset>", false, true},
        SetUpCase{"NoFolderFileAtRoot", "<root>", "", "",
                  "C:\\Program Files\\OSKRemote\\Realtime.csv", true, true},
        // The companion is at the root but its real-time file is not: switched on, then asked.
        SetUpCase{"NoFolderCompanionAtRootNo", "<root exe>", "no", "NotFound",
                  "C:\\Program Files\\OSKRemote\\Realtime.csv", false, true},
        SetUpCase{"NoFolderCompanionAtRootYes", "<root exe>", "yes|cancel", "NotFound T63 open", "",
                  false, true},
        SetUpCase{"FolderWithoutFileYes", "/nonexistent-folder", "yes|cancel", "NotFound T63 open",
                  "", false, true}),
    [](const ::testing::TestParamInfo<SetUpCase>& info) { return info.param.name; });

TEST_F(RealtimeModeTest, AFailingSetUpLeavesTheModeOff) {
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

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class RefreshFailures : public RealtimeModeTest,
                        public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RefreshFailures, SixthTellsTheUserAndEndsTheMode) {
    const FailureCase& c = GetParam();
    switchOn();
    settings.values[settings::kRealtime] = "/before/Realtime.csv";
    removeRealtime();
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

TEST(CompanionPaths, JoinsWithThePlatformSeparatorKeepingUtf8) {
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    for (const std::string& folder : {std::string("data"), "data" + sep})
        EXPECT_EQ(CompanionFile(folder, "Realtime.csv"), "data" + sep + "Realtime.csv");
    EXPECT_EQ(CompanionFile("", "Realtime.csv"), sep + "Realtime.csv");
    const std::string cafe = "Caf\xC3\xA9 \xE6\x95\xB0";
    EXPECT_EQ(CompanionFile(cafe, "Realtime.csv"), cafe + sep + "Realtime.csv");
}

} // namespace
} // namespace osk
