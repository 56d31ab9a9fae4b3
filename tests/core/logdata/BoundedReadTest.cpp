#include "logdata/BoundedRead.h"

#include "MemorySource.h"
#include "logdata/LogParse.h"
#include "logdata/RecordTable.h"
#include "support/LogText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace osk {
namespace {

using test::MemorySource;

// Every chunk size gives the bytes, and so the table, of reading the content whole.
TEST(BoundedRead, ChunkSizeDoesNotChangeTheTable) {
    const std::string inputs[] = {
        "",
        "Record\r\n1,d,t,x,1\r\r\n\n2,d,t,y,2\r\n3,d,t,half",
        test::logText(kMaxRecords + 5, "Record"),
        test::logText(kMaxRecords + 1, "Record", "\r"),
    };
    for (const std::string& input : inputs)
        for (const bool drop : {false, true}) {
            const auto whole = std::make_unique<RecordTable>();
            const ParseResult want = parseLog(input, *whole, ParseOptions{drop});
            for (const size_t chunk : {1, 7, 4096, 1 << 20}) {
                SCOPED_TRACE(input.substr(0, 30) + " chunk " + std::to_string(chunk));
                MemorySource source({input});
                const LogBytes bytes = readLogBytes(source, chunk);
                ASSERT_EQ(bytes.status, LogBytesStatus::Ok);
                const auto table = std::make_unique<RecordTable>();
                const ParseResult r = parseLog(bytes.bytes, *table, ParseOptions{drop});
                EXPECT_EQ(std::tuple(r.outcome, r.recordCount, r.tooBig),
                          std::tuple(want.outcome, want.recordCount, want.tooBig));
                EXPECT_TRUE(table->RecordTime == whole->RecordTime);
                EXPECT_TRUE(table->values == whole->values);
            }
        }
}

TEST(BoundedRead, StopsAtTheLastLineTheTableHolds) {
    const std::string kept = test::logText(kMaxRecords, "Record");
    // Anything after the last usable line would fail the parse if it were read.
    MemorySource source({kept + std::string(8 << 20, ',')});
    const LogBytes bytes = readLogBytes(source, 4096);
    EXPECT_EQ(std::tie(bytes.status, bytes.bytes), std::tuple(LogBytesStatus::Ok, kept));
    EXPECT_LE(source.bytesRead, kept.size() + 4096);
}

TEST(BoundedRead, OverlongLineIsRefused) {
    const struct {
        std::string content;
        LogBytesStatus status;
    } cases[] = {
        {"Record\n" + std::string(kMaxLineBytes, 'x') + "\n", LogBytesStatus::Ok},
        {"Record\n" + std::string(kMaxLineBytes + 3, 'x'), LogBytesStatus::LineTooLong},
        {std::string(kMaxLineBytes + 3, 'x'), LogBytesStatus::LineTooLong},
    };
    for (const auto& c : cases)
        for (const size_t chunk : {size_t{4096}, kReadChunk}) {
            MemorySource source({c.content});
            EXPECT_EQ(readLogBytes(source, chunk).status, c.status) << c.content.size();
        }
}

TEST(BoundedRead, OnlyRegularFilesAreRead) {
    test::TempDir dir;
    // A folder whose name is not ASCII: on Windows this is the wide-path open.
    const std::filesystem::path folder = dir.path() / std::filesystem::path(u8"Zwembad Süd");
    std::filesystem::create_directory(folder);
    const std::u8string u8 = (folder / "log.csv").u8string();
    const std::string name(u8.begin(), u8.end());
    { std::ofstream(folder / "log.csv", std::ios::binary) << "Record\r\n1,d,t,x\r\n"; }
    EXPECT_EQ(readLogFile(name).bytes, "Record\r\n1,d,t,x\r\n");

    const std::u8string folderU8 = folder.u8string();
    std::vector<std::string> refused = {std::string(folderU8.begin(), folderU8.end()),
                                        name + ".missing", ""};
#ifndef _WIN32
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // The fifo has no writer: a blocking open would never return.
    refused.insert(refused.end(), {fifo, "/dev/zero", "/dev/null"});
#endif
    for (const std::string& n : refused)
        EXPECT_EQ(readLogFile(n).status, LogBytesStatus::Unreadable) << n;
}

} // namespace
} // namespace osk
