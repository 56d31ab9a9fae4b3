#include "logdata/FileReader.h"

#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace osk {
namespace {

using test::Prompt;

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

    std::string records;
    std::string caption;
    std::vector<std::string> calls;
    std::deque<std::string> choices;
};

std::string logWith(int records, const std::string& header = "Record,Date,Time") {
    std::string out = header + "\r\n";
    for (int i = 1; i <= records; ++i)
        out += std::to_string(i) + ",d,t,2024-03-01 00:00:" + std::to_string(10 + i) + ",1,2\r\n";
    return out;
}

class FileReaderTest : public ::testing::Test {
protected:
    FileReaderTest() {
        texts.set(36, "Please select valid file");
        texts.set(40, "OSK-Graphs");
        texts.set(45, "Error With Communication (invalid file)");
        texts.set(51, "File is to big, last records are skipped");
        texts.set(56, "File is empty");
        texts.set(73, "Realtime file dit not change, do you want to select a different file?");
        texts.set(88, "unknown");
    }
    ~FileReaderTest() override { EXPECT_TRUE(dialogs.allAnswersUsed()); }

    void read(const std::string& name) {
        FileReader(*table, texts, dialogs, settings, host).readFile(name);
    }
    std::string file(const std::string& name, const std::string& bytes) {
        return dir.write(name, bytes).string();
    }

    test::TempDir dir;
    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    Texts texts;
    test::ScriptedDialogs dialogs;
    test::MemorySettingsStore settings;
    FakeHost host;
};

TEST_F(FileReaderTest, WhatTheUserIsTold) {
    const struct {
        const char* what;
        std::string content;
        std::vector<std::pair<std::string, MessageIcon>> messages;
        bool loaded;
        std::string records;
        bool headerAccepted;
    } cases[] = {
        {"empty file", "", {{"File is empty", MessageIcon::Critical}}, false, "Records: 0", false},
        {"foreign file",
         "record,Date\r\n1,2,3,t\r\n1,2,3,t\r\n1,2,3,t\r\n",
         {{"Error With Communication (invalid file)", MessageIcon::Critical}},
         false,
         "Records: 0",
         false},
        {"header only", logWith(0), {}, false, "Records: 0", true},
        {"two records", logWith(2), {}, false, "Records: 0", true},
        {"three records", logWith(3), {}, true, "Records: 3", true},
        {"too many records",
         logWith(kMaxRecords + 1),
         {{"File is to big, last records are skipped", MessageIcon::Information}},
         true,
         "Records: 19999",
         true},
    };
    for (const auto& c : cases) {
        table->FileLoaded = !c.loaded; // the outcome must be set either way
        table->LogSource.save("stale", "stale");
        dialogs.prompts.clear();
        host = FakeHost{};
        const std::string path = file("log.csv", c.content);
        read(path);

        ASSERT_EQ(dialogs.prompts.size(), c.messages.size()) << c.what;
        for (size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(dialogs.prompts[i].kind, Prompt::Kind::Message) << c.what;
            EXPECT_EQ(dialogs.prompts[i].text, c.messages[i].first) << c.what;
            EXPECT_EQ(dialogs.prompts[i].icon, c.messages[i].second) << c.what;
            EXPECT_EQ(dialogs.prompts[i].title, "") << c.what << ": application title";
        }
        EXPECT_EQ(table->FileLoaded, c.loaded) << c.what;
        EXPECT_EQ(host.records, c.records) << c.what;
        EXPECT_EQ(host.calls.front(), "records Records: 0") << c.what;
        EXPECT_EQ(host.caption, c.headerAccepted ? "OSK-Graphs" : "") << c.what;
        EXPECT_EQ(table->LogSource.count(), c.headerAccepted ? 1 : 0) << c.what;
        if (c.headerAccepted) {
            EXPECT_EQ(table->LogSource.Name(), "unknown") << c.what;
            EXPECT_EQ(table->LogSource.path(), path) << c.what;
        }
        if (c.loaded) {
            EXPECT_EQ(table->ViewEndRecord, table->RecordCount - 1) << c.what;
        }
    }
}

TEST_F(FileReaderTest, InstallationNameAndTrimmedPath) {
    const std::string path = file(" pool.csv  ", logWith(4, "Record,Date $%^  Pool 3 "));
    read(path);
    ASSERT_TRUE(table->FileLoaded);
    EXPECT_EQ(table->LogSource.Name(), "Pool 3");
    EXPECT_EQ(table->LogSource.path(), path.substr(0, path.size() - 2));
}

TEST_F(FileReaderTest, EmptyNameEndsQuietly) {
    table->FileLoaded = true;
    table->LogSource.save("old", "old.csv");
    read("");
    EXPECT_FALSE(table->FileLoaded);
    EXPECT_EQ(table->LogSource.count(), 0);
    EXPECT_EQ(host.calls, std::vector<std::string>{"records Records: 0"});
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(FileReaderTest, UnreadableFileLeadsToAnotherChoice) {
    const std::string good = file("good.csv", logWith(5));
    const std::string wide = file("wide.csv", "Record\r\n1,2,3,t" + std::string(27, ',') + "\r\n");
    const std::string missing = (dir.path() / "missing.csv").string();
    const struct {
        const char* what;
        std::string first;
        std::vector<std::string> choices;
        bool loaded;
        size_t messages36;
    } cases[] = {
        {"31 fields, then a good file", wide, {good}, true, 1},
        {"missing, then a good file", missing, {good}, true, 1},
        {"a folder, then gives up", dir.path().string(), {""}, false, 1},
        {"missing, another bad one, gives up", missing, {wide, ""}, false, 2},
        {"three bad choices, then good", wide, {missing, wide, missing, good}, true, 4},
    };
    for (const auto& c : cases) {
        dialogs.prompts.clear();
        host = FakeHost{};
        host.choices.assign(c.choices.begin(), c.choices.end());
        read(c.first);

        EXPECT_TRUE(host.choices.empty()) << c.what;
        EXPECT_EQ(table->FileLoaded, c.loaded) << c.what;
        ASSERT_EQ(dialogs.prompts.size(), c.messages36) << c.what;
        for (const auto& p : dialogs.prompts) {
            EXPECT_EQ(p.text, "Please select valid file") << c.what;
            EXPECT_EQ(p.icon, MessageIcon::None) << c.what;
            EXPECT_EQ(p.title, "") << c.what;
        }
        if (c.loaded) {
            EXPECT_EQ(table->LogSource.count(), 1) << c.what;
            EXPECT_EQ(table->LogSource.path(), good) << c.what;
            EXPECT_EQ(host.records, "Records: 5") << c.what;
        } else {
            EXPECT_EQ(table->LogSource.count(), 0) << c.what;
            EXPECT_EQ(host.records, "Records: 0") << c.what;
        }
    }
}

TEST_F(FileReaderTest, UnreadableFileInRealtimeModeFailsQuietly) {
    table->RealtimeOn = true;
    table->FileLoaded = true;
    read(file("wide.csv", logWith(3) + "1,2,3,t" + std::string(40, ',') + "\r\n"));
    EXPECT_FALSE(table->FileLoaded);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(host.records, "Records: 0");
    read((dir.path() / "missing.csv").string());
    EXPECT_FALSE(table->FileLoaded);
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(FileReaderTest, RealtimeQuestionAfterThirtyUnchangedReads) {
    const std::string path = file("Realtime.csv", logWith(5));
    table->RealtimeOn = true;
    const auto readTimes = [&](int n) {
        for (int i = 0; i < n; ++i) {
            host.calls.clear();
            read(path);
            ASSERT_TRUE(table->FileLoaded);
            ASSERT_EQ(host.calls,
                      (std::vector<std::string>{"records Records: 0", "caption OSK-Graphs", "stop",
                                                "start", "records Records: 5"}));
        }
    };

    readTimes(30); // the baseline, then 29 more with the same count
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(table->RealtimeSameCount, 29);

    const std::vector<std::string> plain{"records Records: 0", "caption OSK-Graphs", "stop",
                                         "start", "records Records: 5"};
    dialogs.answerNo();
    host.calls.clear();
    read(path); // the 31st read with the same count
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].kind, Prompt::Kind::Question);
    EXPECT_EQ(dialogs.prompts[0].text, texts[73]);
    EXPECT_EQ(dialogs.prompts[0].title, "OSK-Graphs");
    EXPECT_EQ(host.calls, plain);
    EXPECT_EQ(table->RealtimeSameCount, 0);
    EXPECT_TRUE(table->RealtimeOn);
    EXPECT_TRUE(settings.values.empty());

    readTimes(29); // the count starts again after a No
    EXPECT_EQ(dialogs.prompts.size(), 1u);
    dialogs.answerYes();
    host.calls.clear();
    read(path);
    ASSERT_EQ(dialogs.prompts.size(), 2u);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"records Records: 0", "caption OSK-Graphs", "stop",
                                        "DoRealtime", "start", "records Records: 5"}));
    EXPECT_EQ(settings.values, (std::map<std::string, std::string>{{settings::kRealtime, "-1"}}));
    EXPECT_FALSE(table->RealtimeOn);
    EXPECT_EQ(table->RealtimeSameCount, 0);
    EXPECT_EQ(table->RealtimeLastCount, 5);
    EXPECT_TRUE(table->FileLoaded);
}

TEST_F(FileReaderTest, RealtimeCounterFollowsTheRecordCount) {
    table->RealtimeOn = true;
    const std::string five = file("five.csv", logWith(5));
    for (int i = 0; i < 20; ++i)
        read(five);
    EXPECT_EQ(table->RealtimeSameCount, 19);

    read(file("six.csv", logWith(6))); // the file grew: start counting again
    EXPECT_EQ(table->RealtimeSameCount, 0);
    EXPECT_EQ(table->RealtimeLastCount, 6);

    // A read without a usable log leaves the counters and the timer alone.
    for (const std::string& content : {logWith(2), std::string()}) {
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
