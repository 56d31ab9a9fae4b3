#include "logdata/FileReader.h"

#include "common/SettingsStore.h"
#include "lang/BuiltinTexts.h"
#include "lang/TextNumbers.h"
#include "logdata/BoundedRead.h"
#include "support/LogText.h"
#include "support/RecordingHost.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace osk {
namespace {

using test::Prompt;
using Strings = std::vector<std::string>;

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

    test::TempDir dir;
    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    Texts texts;
    test::ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    test::RecordingHost host;
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
        {"empty file", "", texts[kTextFileEmpty], MessageIcon::Critical, false, "Records: 0", false},
        {"foreign file", foreign, texts[kTextInvalidFile], MessageIcon::Critical, false, "Records: 0",
         false},
        {"two records", test::logText(2), "", MessageIcon::None, false, "Records: 0", true},
        {"three records", test::logText(3), "", MessageIcon::None, true, "Records: 3", true},
        {"exactly the cap", test::logText(kMaxRecords), texts[kTextTooBig], MessageIcon::Information,
         true, "Records: 19999", true},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        table->FileLoaded = !c.loaded; // the outcome must be set either way
        table->LogSource.save("stale", "stale");
        dialogs.prompts.clear();
        host = test::RecordingHost{};
        const std::string path = file("log.csv", c.content);
        read(path);

        EXPECT_EQ(dialogs.messages(), c.message.empty() ? Strings{} : Strings{c.message});
        for (const Prompt& p : dialogs.prompts)
            EXPECT_EQ(std::tie(p.icon, p.title), std::tuple(c.icon, ""));
        EXPECT_EQ(std::tie(table->FileLoaded, host.records, host.calls.front(), host.caption),
                  std::tuple(c.loaded, c.records, "records Records: 0",
                             c.headerAccepted ? "OSK-Graphs" : ""));
        EXPECT_EQ(std::tuple(table->LogSource.count(), table->LogSource.path()),
                  c.headerAccepted ? std::tuple(1, path) : std::tuple(0, table->LogSource.path()));
        EXPECT_TRUE(!c.loaded || table->ViewEndRecord == table->RecordCount - 1);
    }
}

TEST_F(FileReaderTest, InstallationNameTrimmedPathAndEmptyName) {
    const std::string path = file(" pool.csv  ", test::logText(4, "Record,Date $%^  Pool 3 "));
    read(path);
    EXPECT_EQ(std::tuple(table->FileLoaded, table->LogSource.Name(), table->LogSource.path()),
              std::tuple(true, "Pool 3", path.substr(0, path.size() - 2)));

    host.calls.clear();
    read(""); // ends quietly, forgetting the log
    EXPECT_EQ(
        std::tuple(table->FileLoaded, table->LogSource.count(), host.calls, dialogs.prompts.size()),
        std::tuple(false, 0, Strings{"records Records: 0"}, 0u));
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
        {"a folder, then gives up", dir.path().string(), {""}, false, 1},
        {"three bad choices, then good", wide, {missing, wide, missing, good}, true, 4},
        {"a line longer than any log line, then good",
         file("long.csv", "Record\r\n" + std::string(kMaxLineBytes + 3, '1') + "\r\n"),
         {good},
         true,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.prompts.clear();
        host = test::RecordingHost{};
        host.choices.assign(c.choices.begin(), c.choices.end());
        read(c.first);

        EXPECT_EQ(std::tuple(host.choices.size(), table->FileLoaded, dialogs.messages(),
                             host.records, table->LogSource.path()),
                  std::tuple(0u, c.loaded, Strings(c.messages36, texts[kTextSelectValidFile]),
                             c.loaded ? "Records: 5" : "Records: 0", c.loaded ? good : ""));
    }
}

} // namespace
} // namespace osk
