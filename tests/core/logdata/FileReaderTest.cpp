#include "logdata/FileReader.h"

#include "lang/BuiltinTexts.h"
#include "lang/TextNumbers.h"
#include "logdata/BoundedRead.h"
#include "support/LogText.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace osk {
namespace {

using test::Prompt;
using Strings = std::vector<std::string>;

// The main window as the reader sees it: every call is written down in order.
class FakeHost : public ReaderHost {
public:
    void setRecordsCaption(const std::string& text) override {
        records = text;
        calls.push_back("records " + text);
    }
    void setWindowCaption(const std::string& text) override {
        caption = text;
        calls.push_back("caption " + text);
    }
    std::string SelectLogFile() override {
        calls.push_back("select");
        if (choices.empty()) {
            ADD_FAILURE() << "unexpected file chooser";
            return {};
        }
        std::string c = choices.front();
        choices.pop_front();
        return c;
    }
    void stopTimer() override { calls.push_back("stop"); }
    void startTimer() override { calls.push_back("start"); }
    void DoRealtime() override { calls.push_back("DoRealtime"); }

    std::string records, caption;
    Strings calls;
    std::deque<std::string> choices;
};

class FileReaderTest : public ::testing::Test {
protected:
    FileReaderTest() { storeBuiltinTexts(texts); }
    ~FileReaderTest() override { EXPECT_TRUE(dialogs.allAnswersUsed()); }

    void read(const std::string& name) {
        FileReader(*table, texts, dialogs, settings, host).readFile(name);
    }
    std::string file(const std::string& name, const std::string& bytes) {
        return dir.write(name, bytes).string();
    }
#ifndef _WIN32
    std::string fifo() {
        const std::string name = (dir.path() / "pipe").string();
        ::mkfifo(name.c_str(), 0600);
        return name;
    }
#endif

    test::TempDir dir;
    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    Texts texts;
    test::ScriptedDialogs dialogs;
    test::MemorySettingsStore settings;
    FakeHost host;
};

TEST_F(FileReaderTest, WhatTheUserIsTold) {
    const std::string foreign = "record,Date\r\n1,2,3,t\r\n1,2,3,t\r\n1,2,3,t\r\n";
    const struct {
        const char* what;
        std::string content, message;
        MessageIcon icon;
        bool loaded;
        std::string records;
        bool headerAccepted;
    } cases[] = {
        // clang-format off
        {"empty file", "", "File is empty", MessageIcon::Critical, false, "Records: 0", false},
        {"foreign file", foreign, "Error With Communication (invalid file)", MessageIcon::Critical,
         false, "Records: 0", false},
        {"header only", test::logText(0), "", MessageIcon::None, false, "Records: 0", true},
        {"two records", test::logText(2), "", MessageIcon::None, false, "Records: 0", true},
        {"three records", test::logText(3), "", MessageIcon::None, true, "Records: 3", true},
        {"exactly the cap", test::logText(kMaxRecords), "File is to big, last records are skipped",
         MessageIcon::Information, true, "Records: 19999", true},
        {"beyond the cap", test::logText(kMaxRecords + 1), "File is to big, last records are skipped",
         MessageIcon::Information, true, "Records: 19999", true},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        table->FileLoaded = !c.loaded; // the outcome must be set either way
        table->LogSource.save("stale", "stale");
        dialogs.prompts.clear();
        host = FakeHost{};
        const std::string path = file("log.csv", c.content);
        read(path);

        ASSERT_EQ(dialogs.prompts.size(), c.message.empty() ? 0u : 1u);
        if (!c.message.empty()) { // titled with the application title
            const Prompt& p = dialogs.prompts[0];
            EXPECT_EQ(std::tie(p.kind, p.text, p.icon, p.title),
                      std::tuple(Prompt::Kind::Message, c.message, c.icon, ""));
        }
        EXPECT_EQ(std::tie(table->FileLoaded, host.records, host.calls.front(), host.caption),
                  std::tuple(c.loaded, c.records, "records Records: 0",
                             c.headerAccepted ? "OSK-Graphs" : ""));
        EXPECT_EQ(table->LogSource.count(), c.headerAccepted ? 1 : 0);
        if (c.headerAccepted) {
            EXPECT_EQ(std::tuple(table->LogSource.Name(), table->LogSource.path()),
                      std::tuple("unknown", path));
        }
        if (c.loaded) {
            EXPECT_EQ(table->ViewEndRecord, table->RecordCount - 1);
        }
    }
}

TEST_F(FileReaderTest, InstallationNameTrimmedPathAndEmptyName) {
    const std::string path = file(" pool.csv  ", test::logText(4, "Record,Date $%^  Pool 3 "));
    read(path);
    ASSERT_TRUE(table->FileLoaded);
    EXPECT_EQ(table->LogSource.Name(), "Pool 3");
    EXPECT_EQ(table->LogSource.path(), path.substr(0, path.size() - 2));

    host.calls.clear();
    read(""); // ends quietly, forgetting the log
    EXPECT_FALSE(table->FileLoaded);
    EXPECT_EQ(table->LogSource.count(), 0);
    EXPECT_EQ(host.calls, Strings{"records Records: 0"});
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(FileReaderTest, UnreadableFileLeadsToAnotherChoice) {
    const std::string good = file("good.csv", test::logText(5));
    const std::string wide = file("wide.csv", "Record\r\n1,2,3,t" + std::string(27, ',') + "\r\n");
    const std::string missing = (dir.path() / "missing.csv").string();
    const struct {
        const char* what;
        std::string first;
        Strings choices;
        bool loaded;
        size_t messages36;
    } cases[] = {
        {"31 fields, then a good file", wide, {good}, true, 1},
        {"missing, then a good file", missing, {good}, true, 1},
        {"a folder, then gives up", dir.path().string(), {""}, false, 1},
        {"missing, another bad one, gives up", missing, {wide, ""}, false, 2},
        {"three bad choices, then good", wide, {missing, wide, missing, good}, true, 4},
        {"a line longer than any log line, then good",
         file("long.csv", "Record\r\n" + std::string(kMaxLineBytes + 3, '1') + "\r\n"),
         {good},
         true,
         1},
#ifndef _WIN32
        {"a named pipe without a writer, then good", fifo(), {good}, true, 1},
        {"an endless device, then gives up", "/dev/zero", {""}, false, 1},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.prompts.clear();
        host = FakeHost{};
        host.choices.assign(c.choices.begin(), c.choices.end());
        read(c.first);

        EXPECT_TRUE(host.choices.empty());
        EXPECT_EQ(table->FileLoaded, c.loaded);
        EXPECT_EQ(dialogs.messages(), Strings(c.messages36, "Please select valid file"));
        for (const auto& p : dialogs.prompts)
            EXPECT_TRUE(p.icon == MessageIcon::None && p.title.empty());
        EXPECT_EQ(table->LogSource.count(), c.loaded ? 1 : 0);
        EXPECT_EQ(host.records, c.loaded ? "Records: 5" : "Records: 0");
        if (c.loaded) {
            EXPECT_EQ(table->LogSource.path(), good);
        }
    }
}

TEST_F(FileReaderTest, CaptionSaysRealtimeWhileTheModeIsOn) {
    const std::string log = file("log.csv", test::logText(5));
    for (const bool on : {false, true}) {
        table->RealtimeOn = on;
        read(log);
        EXPECT_EQ(host.caption, on ? texts[kTextProgramTitle] + "  " + texts[kTextRealTime]
                                   : texts[kTextProgramTitle]);
    }
}

TEST_F(FileReaderTest, UnreadableFileInRealtimeModeFailsQuietly) {
    table->RealtimeOn = true;
    for (const std::string& path :
         {file("wide.csv", test::logText(3) + "1,2,3,t" + std::string(40, ',') + "\r\n"),
          (dir.path() / "missing.csv").string()}) {
        table->FileLoaded = true;
        read(path);
        EXPECT_FALSE(table->FileLoaded) << path;
        EXPECT_TRUE(dialogs.prompts.empty()) << path;
        EXPECT_EQ(host.records, "Records: 0") << path;
    }
}

class RealtimeQuestion : public FileReaderTest, public ::testing::WithParamInterface<bool> {};

// The 31st read with the same record count asks whether to choose another file; either answer
// starts the count again, and Yes sets real-time mode up anew.
TEST_P(RealtimeQuestion, ComesOnTheThirtyFirstUnchangedRead) {
    const bool yes = GetParam();
    const std::string path = file("Realtime.csv", test::logText(5));
    table->RealtimeOn = true;
    for (int i = 0; i < 30; ++i) // the baseline, then 29 more with the same count
        read(path);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(table->RealtimeSameCount, 29);

    yes ? dialogs.answerYes() : dialogs.answerNo();
    host.calls.clear();
    read(path);
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].kind, Prompt::Kind::Question);
    EXPECT_EQ(dialogs.prompts[0].text, texts[73]);
    EXPECT_EQ(dialogs.prompts[0].title, "OSK-Graphs");
    Strings calls{"records Records: 0", "caption OSK-Graphs  Real time", "stop", "start",
                  "records Records: 5"};
    if (yes)
        calls.insert(calls.begin() + 3, "DoRealtime");
    EXPECT_EQ(host.calls, calls);
    EXPECT_EQ(table->RealtimeSameCount, 0);
    EXPECT_EQ(table->RealtimeLastCount, 5);
    EXPECT_TRUE(table->FileLoaded);
    EXPECT_EQ(table->RealtimeOn, !yes);
    using Values = std::map<std::string, std::string>;
    EXPECT_EQ(settings.values, (yes ? Values{{settings::kRealtime, "-1"}} : Values{}));
    if (!yes) { // the count starts again after a No
        for (int i = 0; i < 29; ++i)
            read(path);
        EXPECT_EQ(dialogs.prompts.size(), 1u);
        dialogs.answerNo();
        read(path);
        EXPECT_EQ(dialogs.prompts.size(), 2u);
    }
}

INSTANTIATE_TEST_SUITE_P(Answer, RealtimeQuestion, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Yes" : "No"; });

TEST_F(FileReaderTest, RealtimeCounterFollowsTheRecordCount) {
    table->RealtimeOn = true;
    const std::string five = file("five.csv", test::logText(5));
    for (int i = 0; i < 20; ++i)
        read(five);
    EXPECT_EQ(table->RealtimeSameCount, 19);
    read(file("six.csv", test::logText(6))); // the file grew: start counting again
    EXPECT_EQ(table->RealtimeSameCount, 0);
    EXPECT_EQ(table->RealtimeLastCount, 6);
    // The same count with a new newest record is a change as well; the same newest record
    // is not.
    const struct {
        std::string content;
        int16_t same;
    } reads[] = {
        {test::logText(6), 1},
        {test::logText(5) + test::logRecord(7), 0},
        {test::logText(5) + test::logRecord(7), 1},
    };
    for (const auto& r : reads) {
        read(file("same-count.csv", r.content));
        EXPECT_EQ(table->RealtimeSameCount, r.same);
        EXPECT_EQ(table->RealtimeLastTime, table->RecordTime[6]);
    }
    read(file("six.csv", test::logText(6)));
    EXPECT_EQ(table->RealtimeSameCount, 0);

    // A read without a usable log leaves the counters and the timer alone.
    for (const std::string& content : {test::logText(2), std::string()}) {
        host.calls.clear();
        read(file("short.csv", content));
        EXPECT_FALSE(table->FileLoaded);
        EXPECT_EQ(table->RealtimeLastCount, 6);
        EXPECT_EQ(table->RealtimeSameCount, 0);
        for (const auto& call : host.calls)
            EXPECT_TRUE(call != "stop" && call != "start") << call;
    }
    // Without real-time mode the counters are not touched at all.
    table->RealtimeOn = false;
    host.calls.clear();
    read(five);
    EXPECT_EQ(table->RealtimeLastCount, 6);
    EXPECT_EQ(host.calls.size(), 3u);
}

} // namespace
} // namespace osk
