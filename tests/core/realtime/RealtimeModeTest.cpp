#include "realtime/RealtimeMode.h"

#include "common/SettingsStore.h"
#include "lang/BuiltinTexts.h"
#include "lang/TextNumbers.h"
#include "realtime/CompanionPaths.h"
#include "support/LogText.h"
#include "support/RecordingHost.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace osk {
namespace {

using test::Prompt;
using Strings = std::vector<std::string>;

struct FixedClock : Clock {
    int currentSecond() const override { return second; }
    int second = 0;
};

class RealtimeModeTest : public ::testing::Test {
protected:
    RealtimeModeTest() {
        storeBuiltinTexts(texts);
        settings.values[settings::kDataDir] = dir.path().string();
    }
    ~RealtimeModeTest() override { EXPECT_TRUE(dialogs.allAnswersUsed()); }

    void writeRealtime(const std::string& bytes) { dir.write("Realtime.csv", bytes); }
    void tickAt(int second) { clock.second = second, mode.Timer1Tick(); }
    void switchOn() {
        writeRealtime(test::logText(3));
        mode.mnuONClick();
        ASSERT_TRUE(mode.RealtimeOn());
        window.steps.clear();
    }
    std::string realtimeValue() {
        const auto it = settings.values.find(settings::kRealtime);
        return it == settings.values.end() ? "<unset>" : it->second;
    }
    // The prompts shown so far: "open" for the Open dialog, the others by short name.
    std::string shown() const {
        const std::string warning = " " + texts[kTextWarning];
        const std::map<std::string, std::string> names = {
            {texts[kTextSelectCompanion], "T63"},
            {texts[kTextCompanionNotFound], "T65"},
            {texts[kTextCommunicationError], "T46"},
            {texts[kTextRealtimeNotFound] + " " + texts[kTextSelectAnotherLocation] + warning,
             "NotFound"},
            {texts[kTextNoCompanionSelected] + warning, "NoneChosen"},
            {texts[kTextRealtimeNotOpened] + warning, "NotOpened"}};
        std::string out;
        for (const Prompt& p : dialogs.prompts) {
            const auto it = names.find(p.text);
            out += (out.empty() ? "" : " ") + (p.kind == Prompt::Kind::OpenFile ? "open"
                                               : it != names.end()              ? it->second
                                                                                : p.text);
        }
        return out;
    }
    void expectOff() {
        EXPECT_EQ(std::tuple(mode.RealtimeOn(), window.checksOn, window.openFileEnabled,
                             window.caption, window.timerRunning),
                  std::tuple(false, false, true, "OSK-Graphs  No file loaded", true));
    }

    test::TempDir dir;
    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    Texts texts;
    test::ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    FixedClock clock;
    test::RecordingHost window;
    RealtimeMode mode{*table, texts, dialogs, settings, clock, window, window};
};

// The companion may be writing its last line: a refresh leaves it for the next one.
TEST_F(RealtimeModeTest, OnAsksNothingAndRefreshesOnlyAtSecondsOneAndThirtyOne) {
    writeRealtime(test::logText(3) + "4,d,t,2024-03-01 10:00:14");
    tickAt(1); // off: nothing
    mode.mnuONClick();
    EXPECT_EQ(std::tuple(dialogs.prompts.size(), window.checksOn, window.openFileEnabled,
                         window.timerRunning, window.caption, realtimeValue()),
              std::tuple(0u, true, false, true, "OSK-Graphs  Real time", "<unset>"));
    Strings refreshedAt;
    for (int second = 0; second < 60; ++second) {
        const size_t before = window.steps.size();
        tickAt(second);
        if (window.steps.size() > before)
            refreshedAt.push_back(std::to_string(second));
    }
    EXPECT_EQ(std::tuple(refreshedAt, table->RecordCount,
                         Strings(window.steps.begin(), window.steps.begin() + 4)),
              std::tuple(Strings{"1", "31"}, 3,
                         Strings{"InitAfterLoad", "Enable", "ShowNewest", "Redraw"}));
}

// Each case switches on with a data folder value and answers the prompts in turn: "yes", "no",
// "cancel" or the path chosen in the Open dialog ("-": none).
struct SetUpCase {
    const char* name;
    // "<root>": none, but a real-time file at the root; "<root exe>": none, but the companion's
    // executable at the root.
    std::string dataDir;
    std::vector<std::string> answers;
    std::string prompts;
    std::string realtime; // the Realtime value afterwards
    bool on, timerRunning;
};

class SetUp : public RealtimeModeTest, public ::testing::WithParamInterface<SetUpCase> {};

TEST_P(SetUp, EndsByTheUsersAnswers) {
    const SetUpCase& c = GetParam();
    const bool atRoot = c.dataDir == "<root>" || c.dataDir == "<root exe>";
    settings.values[settings::kDataDir] = atRoot ? "" : c.dataDir;
    if (c.dataDir == "<root>")
        window.elsewhere = {CompanionFile("", "Realtime.csv")};
    if (c.dataDir == "<root exe>")
        window.elsewhere = {CompanionFile("", "oskremote.exe")};
    for (const std::string& a : c.answers)
        a == "yes"      ? dialogs.answerYes()
        : a == "no"     ? dialogs.answerNo()
        : a == "cancel" ? dialogs.cancelFile()
                        : dialogs.chooseFile(a == "-" ? "" : a);
    mode.mnuONClick();
    for (const Prompt& p : dialogs.prompts) {
        if (p.kind == Prompt::Kind::OpenFile) {
            EXPECT_EQ(
                std::tie(p.request.initialFolder, p.request.filter, p.request.selectedFilter),
                std::tuple(settings.values[settings::kDataDir], "EXE Files (*.exe)|*.exe", 2));
        }
        const bool titled = p.text.starts_with(texts[kTextNoCompanionSelected]);
        EXPECT_EQ(p.title, titled ? "OSK-Graphs" : "") << p.text;
    }
    EXPECT_EQ(std::tuple(shown(), realtimeValue(), mode.RealtimeOn(), window.checksOn,
                         window.timerRunning),
              std::tuple(c.prompts, c.realtime, c.on, c.on, c.timerRunning));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    RealtimeMode, SetUp,
    ::testing::Values(
        // Chosen in other letter case; the folder is still "-1", so the file is not found.
        SetUpCase{"CompanionChosen", "-1", {"C:\\Program Files\\Remote\\oskREMOTE.EXE", "no"},
                  "T63 open NotFound", "C:\\Program Files\\Remote\\Realtime.csv", false, true},
        SetUpCase{"WrongFileThenCancel", "-1", {"/usr/bin/other.exe", "cancel"},
                  "T63 open T65 T63 open", "<unset>", false, true},
        SetUpCase{"NothingChosenYesThenCancel", "-1", {"-", "yes", "cancel"},
                  "T63 open NoneChosen T63 open", "<unset>", false, true},
        // Declining leaves the timer stopped.
        SetUpCase{"NothingChosenNo", "-1", {"-", "no"}, "T63 open NoneChosen", "<unset>", false,
                  false},
        SetUpCase{"NoFolderFileAtRoot", "<root>", {}, "",
                  "C:\\Program Files\\OSKRemote\\Realtime.csv", true, true},
        // The companion is at the root but its real-time file is not: switched on, then asked.
        SetUpCase{"NoFolderCompanionAtRootNo", "<root exe>", {"no"}, "NotFound",
                  "C:\\Program Files\\OSKRemote\\Realtime.csv", false, true},
        SetUpCase{"FolderWithoutFileYes", "/nonexistent-folder", {"yes", "cancel"},
                  "NotFound T63 open", "", false, true}),
    [](const ::testing::TestParamInfo<SetUpCase>& info) { return info.param.name; });
// clang-format on

TEST_F(RealtimeModeTest, AFailingSetUpLeavesTheModeOff) {
    window.throwOnQuery = true;
    mode.mnuONClick();
    expectOff();
}

// Ways a refresh fails, each between successful refreshes: the sixth failure since the user was
// last told ends the mode, as a success does not reset the count.
TEST_F(RealtimeModeTest, SixthFailedRefreshEndsTheModeWhateverSucceededBetween) {
    const std::string folder = dir.path().string();
    const struct {
        const char* dataDir; // nullptr: the test folder
        const char* content; // nullptr: no real-time file
        bool yes;            // answer to the question after the sixth failure
    } causes[] = {{nullptr, nullptr, true},
                  {"-1", nullptr, false},
                  {nullptr, "Record\r\n1,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\r\n2\r\n3\r\n", true}};
    for (const auto& c : causes) {
        SCOPED_TRACE(testing::Message()
                     << (c.dataDir ? c.dataDir : "folder") << (c.content ? ", bad file" : ""));
        const auto fail = [&] {
            settings.values[settings::kDataDir] = c.dataDir ? c.dataDir : folder;
            std::filesystem::remove(dir.path() / "Realtime.csv");
            if (c.content)
                writeRealtime(c.content);
            tickAt(1);
        };
        dialogs.prompts.clear();
        settings.values[settings::kDataDir] = folder;
        switchOn();
        settings.values[settings::kRealtime] = "/before/Realtime.csv";
        for (int i = 1; i < kRealtimeFailLimit; ++i) {
            fail();
            settings.values[settings::kDataDir] = folder;
            writeRealtime(test::logText(3 + i));
            tickAt(31);
            EXPECT_EQ(std::tuple(table->RecordCount, mode.RealtimeFailCount()),
                      std::tuple(3 + i, i));
        }
        EXPECT_EQ(std::tuple(dialogs.prompts.size(), mode.RealtimeOn()), std::tuple(0u, true));
        c.yes ? dialogs.answerYes() : dialogs.answerNo();
        fail();
        ASSERT_EQ(shown(), "T46 NotOpened");
        EXPECT_EQ(dialogs.prompts[0].icon, MessageIcon::Critical);
        EXPECT_EQ(std::tuple(realtimeValue(), mode.RealtimeFailCount(), window.steps.back()),
                  std::tuple(c.yes ? "" : "/before/Realtime.csv", 0, "Disable"));
        expectOff();
    }
}

TEST(CompanionPaths, JoinsWithThePlatformSeparatorKeepingUtf8) {
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    const std::string cafe = "Caf\xC3\xA9";
    for (const std::string& folder : {cafe, cafe + sep})
        EXPECT_EQ(CompanionFile(folder, "Realtime.csv"), cafe + sep + "Realtime.csv");
    EXPECT_EQ(CompanionFile("", "Realtime.csv"), sep + "Realtime.csv");
}

class RealtimeQuestion : public RealtimeModeTest, public ::testing::WithParamInterface<bool> {};

// The 31st refresh that finds the same records asks whether to choose another file; either answer
// starts the count again, and Yes tells the companion to locate its file and sets the mode up
// anew. A new newest record also starts it again,
// even where the record count stays the same (a file longer than the table).
TEST_P(RealtimeQuestion, ComesOnTheThirtyFirstUnchangedRefresh) {
    const bool yes = GetParam();
    switchOn();
    const auto refreshes = [&](int n, const std::string& content) {
        writeRealtime(content);
        for (int i = 0; i < n; ++i)
            tickAt(i % 2 ? 31 : 1);
    };
    refreshes(20, test::logText(5));
    refreshes(1, test::logText(4) + test::logRecord(6)); // the same count, a new newest record
    refreshes(29, test::logText(4) + test::logRecord(6));
    refreshes(1, test::logText(2)); // no usable log: the count stays
    EXPECT_EQ(std::tuple(mode.RealtimeSameCount(), dialogs.prompts.size()), std::tuple(29, 0u));

    yes ? dialogs.answerYes() : dialogs.answerNo();
    refreshes(1, test::logText(4) + test::logRecord(6));
    ASSERT_FALSE(dialogs.prompts.empty());
    EXPECT_EQ(std::tie(dialogs.prompts[0].text, dialogs.prompts[0].title),
              std::tuple(texts[kTextRealtimeUnchanged], "OSK-Graphs"));
    // Set up anew, the mode finds the companion's folder again and stays on.
    EXPECT_EQ(std::tuple(mode.RealtimeSameCount(), mode.RealtimeOn(), realtimeValue(),
                         window.timerRunning),
              std::tuple(0, true, yes ? "-1" : "<unset>", true));
}

INSTANTIATE_TEST_SUITE_P(Answer, RealtimeQuestion, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Yes" : "No"; });

} // namespace
} // namespace osk
