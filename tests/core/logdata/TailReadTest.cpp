#include "logdata/TailRead.h"

#include "MemorySource.h"
#include "logdata/LogParse.h"
#include "logdata/RecordTable.h"
#include "support/LogText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace osk {
namespace {

using test::MemorySource;

LogBytes tailOf(const std::string& bytes, bool drop, size_t chunk) {
    MemorySource source({bytes});
    return readLogTail(source, ParseOptions{drop}, chunk);
}

// A log of record lines 1..count with line ends taken in turn from ends; every 97th line is empty
// and ends in CR LF, so that a CR alone before it stays its own end. newest holds, written
// plainly, the header and the newest record lines the table should hold; records counts them all.
struct Log {
    std::string file, newest;
    size_t records = 0;
};

Log makeLog(int count, const std::vector<std::string>& ends, bool lastTerminated,
            bool drop = false) {
    const std::string header = "Record,Date,Time $%^ Pool";
    Log log{header + ends.front(), "", 0};
    std::vector<std::string> texts;
    for (int r = 1; r <= count; ++r) {
        const bool open = r == count && !lastTerminated;
        const std::string n = std::to_string(r), tail = open ? ",7" : "";
        const std::string text =
            r % 97 ? n + ",d,t,T" + n + "," + std::to_string(r % 13) + ".5" + tail : tail;
        log.file += text + (open     ? ""
                            : r % 97 ? ends[static_cast<size_t>(r) % ends.size()]
                                     : "\r\n");
        if (!open || !drop)
            texts.push_back(text);
    }
    log.records = texts.size();
    log.newest = header + "\n";
    for (size_t i = texts.size() - std::min<size_t>(texts.size(), kMaxRecords); i < texts.size();
         ++i)
        log.newest += texts[i] + "\n";
    return log;
}

struct Parsed {
    ParseResult result;
    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
};

Parsed parse(const std::string& bytes, bool drop) {
    Parsed p;
    p.result = parseLog(bytes, *p.table, ParseOptions{drop});
    return p;
}

// The read from the end gives the table of the header followed by the newest record lines,
// whatever the length of the file, its line ends and the size of the pieces it is read in.
TEST(TailRead, GivesTheTableOfTheNewestLines) {
    const std::vector<std::vector<std::string>> endStyles = {
        {"\r\n"}, {"\n"}, {"\r"}, {"\r\n", "\n", "\r", "\r", "\n"}};
    const int counts[] = {0, 1, kMaxRecords - 1, kMaxRecords, kMaxRecords + 1, 2 * kMaxRecords + 7};
    for (const auto& ends : endStyles)
        for (const int count : counts)
            for (const bool lastTerminated : {true, false})
                for (const bool drop : {false, true}) {
                    const Log log = makeLog(count, ends, lastTerminated, drop);
                    const std::string& file = log.file;
                    SCOPED_TRACE(testing::Message()
                                 << count << " records, ends " << ends.size()
                                 << int(ends.front().back()) << lastTerminated << drop);
                    const LogBytes whole = tailOf(file, drop, kReadChunk);
                    ASSERT_EQ(whole.status, LogBytesStatus::Ok);
                    EXPECT_EQ(whole.olderLinesLeftOut, log.records > kMaxRecords);
                    // Bytes alike give tables alike: pieces of other sizes need no parse.
                    for (const size_t chunk : {1, 2, 3, 64, 4096})
                        EXPECT_EQ(tailOf(file, drop, chunk).bytes, whole.bytes) << chunk;

                    const Parsed got = parse(whole.bytes, drop);
                    const Parsed want = parse(log.newest, drop);
                    EXPECT_EQ(
                        std::tie(got.result.outcome, got.result.recordCount, got.result.tooBig),
                        std::tie(want.result.outcome, want.result.recordCount, want.result.tooBig));
                    EXPECT_EQ(got.result.name, "Pool");
                    EXPECT_TRUE(got.table->RecordTime == want.table->RecordTime);
                    EXPECT_TRUE(got.table->values == want.table->values);
                }
}

// Without line end the whole file is the header; the header's own CR LF may be cut by the piece
// size; a CR at the very end ends the last line.
TEST(TailRead, ShortFilesAreReadWhole) {
    for (const char* input : {"", "Record", "Record\r", "Record\n\n\n", "Record\r\n1,d,t,x,1\r",
                              "Record\r\r\n1,d,t,x,1"})
        for (const size_t chunk : {1, 6, 7, 8, 4096}) {
            SCOPED_TRACE(testing::Message() << '"' << input << "\" chunk " << chunk);
            const Parsed got = parse(tailOf(input, false, chunk).bytes, false);
            const Parsed want = parse(input, false);
            EXPECT_EQ(std::tie(got.result.outcome, got.result.recordCount),
                      std::tie(want.result.outcome, want.result.recordCount));
        }
}

TEST(TailRead, ReadsOnlyTheHeaderAndTheNewestLines) {
    const std::string file = makeLog(5 * kMaxRecords, {"\r\n"}, true).file;
    for (const size_t chunk : {size_t{4096}, kReadChunk}) {
        MemorySource source({file});
        const LogBytes tail = readLogTail(source, ParseOptions{}, chunk);
        ASSERT_EQ(tail.status, LogBytesStatus::Ok);
        // One piece for the header, the newest lines and at most one piece more.
        EXPECT_LE(source.bytesRead, tail.bytes.size() + 2 * chunk) << chunk;
        EXPECT_LT(tail.bytes.size(), file.size() / 4);
    }
}

TEST(TailRead, OverlongLineMetBackwards) {
    const std::string body = "1,d,t,x,1\r\n";
    // More record lines than the table holds after the long line.
    const std::string older = test::logText(kMaxRecords, "1,d,t,x,1");
    const std::string tooLong(kMaxLineBytes + 3, '1');
    const std::string longest(kMaxLineBytes, '1');
    const struct {
        const char* what;
        std::string content;
        LogBytesStatus status;
    } cases[] = {
        {"among the newest lines", "Record\r\n" + body + tooLong + "\r\n" + body,
         LogBytesStatus::LineTooLong},
        {"the last line, unterminated", "Record\r\n" + body + tooLong, LogBytesStatus::LineTooLong},
        {"the header", tooLong + "\r\n" + body, LogBytesStatus::LineTooLong},
        {"the longest line allowed", "Record\r\n" + longest + "\r\n" + body, LogBytesStatus::Ok},
        {"older than the newest lines", "Record\r\n" + tooLong + "\r\n" + body + older,
         LogBytesStatus::Ok},
    };
    for (const auto& c : cases)
        for (const size_t chunk : {size_t{4096}, kReadChunk}) {
            SCOPED_TRACE(testing::Message() << c.what << " chunk " << chunk);
            const LogBytes tail = tailOf(c.content, false, chunk);
            EXPECT_EQ(tail.status, c.status);
            EXPECT_TRUE(c.status != LogBytesStatus::Ok ||
                        tail.bytes.find(tooLong) == std::string::npos);
        }
}

// The companion trims its file by writing a shorter one and renaming it over the old one.
TEST(TailRead, FileThatShrinksWhileRead) {
    MemorySource source({makeLog(kMaxRecords + 50, {"\r\n"}, true).file,
                         makeLog(kMaxRecords - 1, {"\r\n"}, true).file});
    const LogBytes tail = readLogTail(source, ParseOptions{true}, 4096);
    EXPECT_EQ(
        std::tuple(tail.status, tail.olderLinesLeftOut, parse(tail.bytes, true).result.recordCount),
        std::tuple(LogBytesStatus::Ok, false, kMaxRecords - 1));

    // A source that is shorter on every look is given up until the next read.
    std::vector<std::string> shrinking;
    for (int n = 40; n > 0; --n)
        shrinking.push_back(makeLog(n * 100, {"\n"}, true).file);
    MemorySource restless(shrinking);
    EXPECT_EQ(readLogTail(restless, ParseOptions{}, 64).status, LogBytesStatus::Unreadable);
}

TEST(TailRead, FilesByName) {
    test::TempDir dir;
    const std::string name =
        dir.write("Realtime.csv", makeLog(kMaxRecords + 3, {"\r\n"}, false).file).string();
    const LogBytes tail = readLogFileTail(name, ParseOptions{true});
    const Parsed got = parse(tail.bytes, true);
    EXPECT_EQ(std::tuple(tail.status, tail.olderLinesLeftOut, got.result.recordCount,
                         got.table->RecordTime[1], got.table->RecordTime[kMaxRecords]),
              std::tuple(LogBytesStatus::Ok, true, kMaxRecords, "T3",
                         "T" + std::to_string(kMaxRecords + 2)));

    for (const std::string& refused : {dir.path().string(), name + ".missing", std::string()})
        EXPECT_EQ(readLogFileTail(refused, ParseOptions{}).status, LogBytesStatus::Unreadable)
            << refused;
}

} // namespace
} // namespace osk
