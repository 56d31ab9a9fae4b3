#include "logdata/LogParse.h"

#include "support/LogText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace osk {
namespace {

constexpr double kOld = -999.0;

// A table whose rows already hold values and times of an earlier file.
std::unique_ptr<RecordTable> usedTable() {
    auto t = std::make_unique<RecordTable>();
    std::fill(t->values.begin(), t->values.end(), kOld);
    std::fill(t->RecordTime.begin(), t->RecordTime.end(), std::string("old"));
    t->RecordCount = 7;
    return t;
}

TEST(LogParse, HeaderWordAndNameMarker) {
    using enum ParseOutcome;
    const std::string a36(36, 'a'), a37(37, 'a');
    const struct {
        const char* what;
        std::string content;
        ParseOutcome outcome;
        bool hasName;
        std::string name;
    } cases[] = {
        {"empty file", "", EmptyFile, false, ""},
        {"word ending at character 10", "0123Record\n", Ok, false, ""},
        {"word ending at character 11", "01234Record\n", BadHeader, false, ""},
        {"lower case", "record,Date\n", BadHeader, false, ""},
        {"no line end at all", "Record", Ok, false, ""},
        {"byte order mark first", "\xEF\xBB\xBFRecord\n", Ok, false, ""},
        {"name trimmed", "Record,x $%^   Pool 3  \n", Ok, true, "Pool 3"},
        {"marker without name", "Record $%^\n", Ok, true, ""},
        {"marker just inside the last 40", "Record $%^" + a37 + "\n", Ok, true, a37},
        {"marker one past the last 40", "Record $%^a" + a37 + "\n", Ok, false, ""},
        // Characters, not bytes: "é" is two bytes in UTF-8 and one in Windows-1252.
        {"UTF-8 letters before the word", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9Record\n", Ok, false,
         ""},
        {"Windows-1252 letters before the word", "\xE9\xE9\xE9\xE9Record\n", Ok, false, ""},
        {"six Windows-1252 letters before the word", "\xC3\xA9\xE9\xE9\xE9\xE9Record\n", BadHeader,
         false, ""},
        {"UTF-8 name at the edge", "Record $%^" + a36 + "\xC3\xA9\n", Ok, true, a36 + "\xC3\xA9"},
        {"Windows-1252 name at the edge", "Record $%^" + a36 + "\xE9\n", Ok, true,
         a36 + "\xC3\xA9"},
        {"UTF-8 name one past the edge", "Record $%^" + a37 + "\xC3\xA9\n", Ok, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto table = usedTable();
        const ParseResult r = parseLog(c.content, *table);
        EXPECT_EQ(std::tie(r.outcome, r.hasName, r.name), std::tie(c.outcome, c.hasName, c.name));
        // An empty file is refused before the count is reset; any other file resets it.
        EXPECT_EQ(table->RecordCount, c.outcome == EmptyFile ? 7 : r.recordCount);
    }
}

// The times stored in rows 1.. ("old" where nothing was stored), and how many records remain
// when a last line without its line end is left for the next reading.
TEST(LogParse, LineEndsEmptyLinesAndTheUnterminatedLastLine) {
    const struct {
        const char* what;
        std::string content;
        std::vector<std::string> times;
        int32_t whenDropped;
    } cases[] = {
        {"mixed", "Record\n1,2,3,A\r\n1,2,3,B\r1,2,3,C", {"A", "B", "C"}, 2},
        {"no end on the last line", "Record\n1,2,3,A\n1,2,3,B", {"A", "B"}, 1},
        {"only the header has ended", "Record\n1,2,3,A", {"A"}, 0},
        {"empty lines count", "Record\n\n\n1,2,3,C\n", {"old", "old", "C"}, 3},
        {"empty line before the end", "Record\n1,2,3,A\n\n", {"A", "old"}, 2},
        {"CR CR LF", "Record\r\r\n1,2,3,B\n", {"old", "B"}, 2},
        {"LF CR", "Record\n\r1,2,3,B\n", {"old", "B"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto table = usedTable();
        const ParseResult r = parseLog(c.content, *table);
        ASSERT_EQ(r.outcome, ParseOutcome::Ok);
        ASSERT_EQ(r.recordCount, static_cast<int32_t>(c.times.size()));
        for (size_t i = 0; i < c.times.size(); ++i)
            EXPECT_EQ(table->RecordTime[i + 1], c.times[i]) << "row " << i + 1;
        table = usedTable();
        EXPECT_EQ(parseLog(c.content, *table, ParseOptions{true}).recordCount, c.whenDropped);
        // The dropped line must not have been written into its row either.
        EXPECT_EQ(table->RecordTime[static_cast<size_t>(c.whenDropped) + 1], "old");
    }
}

TEST(LogParse, FieldsOfARecordLine) {
    const struct {
        const char* what;
        std::string line, time;                  // time: the expected RecordTime of the row
        std::vector<std::pair<int, double>> set; // columns written, with their values
    } cases[] = {
        {"empty line", "", "old", {}},
        {"time trimmed", "1,2,3,  2024-03-01 10:00:00  ", "2024-03-01 10:00:00", {}},
        {"empty time", "1,2,3,", "", {}},
        {"short line keeps later columns", "1,2,3,t,5,6", "t", {{5, 5}, {6, 6}}},
        {"unit after the number", "1,2,3,t,7.25 mg/l", "t", {{5, 7.25}}},
        {"empty field", "1,2,3,t,,4", "t", {{5, 0}, {6, 4}}},
        {"blanks inside the number", "1,2,3,t, - 1 2 . 5 ", "t", {{5, -12.5}}},
        {"NUL bytes", std::string("1,2,3,t\0x,9\0", 12), std::string("t\0x", 3), {{5, 9}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto table = usedTable();
        const ParseResult r = parseLog("Record\n1,2,3,first\n" + c.line + "\n", *table);
        std::vector<double> want(kRecordColumns, kOld), got;
        for (const auto& [column, v] : c.set)
            want[static_cast<size_t>(column)] = v;
        for (int col = 0; col < kRecordColumns; ++col)
            got.push_back(table->RecordValue(2, col));
        EXPECT_EQ(std::tie(r.outcome, r.recordCount, table->RecordTime[2], got),
                  std::tuple(ParseOutcome::Ok, 2, c.time, want));
    }
}

// A column whose text repeats is not read again; any change of the text, however small, must
// still give the new number.
TEST(LogParse, RepeatedTextsReadAgainWhenTheyChange) {
    // clang-format off
    const struct {
        std::string text;
        double value;
    } column5[] = {
        {"12345678", 12345678}, {"12345678", 12345678}, {"12345679", 12345679}, {"1234567", 1234567},
        {"1234567 ", 1234567}, {" 1234567", 1234567}, {"123456789", 123456789}, {"7", 7},
        {std::string("7\0", 2), 7}, {"-7", -7}, {"", 0}, {"", 0}, {"7.25 mg/l", 7.25},
        {"7.25", 7.25}, {"0", 0}, {"9", 9}, {"9", 9}};
    // clang-format on
    std::string log = "Record\n";
    for (const auto& c : column5)
        log += "1,2,3,t," + c.text + ",5\n";
    log += "1,2,3,t,9"; // fewer than eight bytes left after the field
    auto table = usedTable();
    ASSERT_EQ(parseLog(log, *table).recordCount, std::size(column5) + 1);
    for (size_t i = 0; i < std::size(column5); ++i)
        EXPECT_DOUBLE_EQ(table->RecordValue(static_cast<int>(i + 1), 5), column5[i].value)
            << "row " << i + 1;
    EXPECT_DOUBLE_EQ(table->RecordValue(static_cast<int>(std::size(column5) + 1), 5), 9);

    // A remembered text does not hide a number that is too large in the next row.
    const ParseResult r = parseLog("Record\n1,2,3,t,1e30\n1,2,3,t,1e30\n1,2,3,t,1e309\n", *table);
    EXPECT_EQ(std::tuple(r.outcome, r.failureLine), std::tuple(ParseOutcome::ReadFailure, 4));
}

TEST(LogParse, ReadFailuresKeepWhatCameBefore) {
    std::string line30 = "1,2,3,wide";
    for (int c = 5; c <= 30; ++c)
        line30 += "," + std::to_string(c);
    const struct {
        const char* what;
        std::string badLine;
        ReadFailureKind kind;
        int32_t field;
        int lastStoredColumn; // of the failing row
    } cases[] = {
        {"31 fields", line30 + ",31", ReadFailureKind::TooManyFields, 31, 30},
        {"comma after field 30", line30 + ",", ReadFailureKind::TooManyFields, 31, 30},
        {"number too large", "1,2,3,wide,5,6,1e309,8", ReadFailureKind::NumberOutOfRange, 7, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto table = usedTable();
        const ParseResult r = parseLog("Record\n1,2,3,A,1\n" + c.badLine + "\n1,2,3,C,3\n", *table);
        EXPECT_EQ(std::tuple(r.outcome, r.failure, r.failureLine, r.failureField, r.recordCount),
                  std::tuple(ParseOutcome::ReadFailure, c.kind, 3, c.field, 2));
        // Nothing is read after the failure.
        EXPECT_EQ(std::tie(table->RecordTime[1], table->RecordTime[2], table->RecordTime[3]),
                  std::tuple("A", "wide", "old"));
        for (int col = 5; col < kRecordColumns; ++col)
            EXPECT_EQ(table->RecordValue(2, col) != kOld, col <= c.lastStoredColumn)
                << "column " << col;
    }
}

TEST(LogParse, CapAtTheLastFreeRow) {
    const struct {
        const char* what;
        std::string content;
        int32_t count;
        bool tooBig;
    } cases[] = {
        {"one below the cap", test::logText(kMaxRecords - 1), kMaxRecords - 1, false},
        {"exactly the cap", test::logText(kMaxRecords), kMaxRecords, true},
        {"cap, last line without end", test::logText(kMaxRecords - 1) + test::logRecord(0, ""),
         kMaxRecords, true},
        {"failure after the cap is never reached", test::logText(kMaxRecords) + "1,2,3,t,1e999\n",
         kMaxRecords, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto table = usedTable();
        const ParseResult r = parseLog(c.content, *table);
        EXPECT_EQ(std::tuple(r.outcome, r.recordCount, r.tooBig),
                  std::tuple(ParseOutcome::Ok, c.count, c.tooBig));
        EXPECT_DOUBLE_EQ(table->RecordValue(c.count, 5), 1);
        for (int col = 0; col < kRecordColumns; ++col)
            EXPECT_EQ(table->RecordValue(kRecordRows - 1, col), kOld);
        EXPECT_EQ(table->RecordTime[kRecordRows - 1], "old");
    }
}

} // namespace
} // namespace osk
