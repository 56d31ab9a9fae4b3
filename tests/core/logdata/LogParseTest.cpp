#include "logdata/LogParse.h"

#include <gtest/gtest.h>

#include <cstring>

#include <memory>
#include <string>
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

std::string repeatLines(const std::string& line, int n, const char* end = "\n") {
    std::string out = std::string("Record") + end;
    for (int i = 0; i < n; ++i)
        out += line + end;
    return out;
}

struct HeaderCase {
    const char* what;
    std::string content;
    ParseOutcome outcome;
    bool hasName;
    std::string name;
};

TEST(LogParse, HeaderWordAndNameMarker) {
    const std::string a37(37, 'a');
    const HeaderCase cases[] = {
        {"empty file", "", ParseOutcome::EmptyFile, false, ""},
        {"only a line end", "\n", ParseOutcome::BadHeader, false, ""},
        {"word at the start", "Record,Date\n", ParseOutcome::Ok, false, ""},
        {"word ending at character 10", "0123Record\n", ParseOutcome::Ok, false, ""},
        {"word ending at character 11", "01234Record\n", ParseOutcome::BadHeader, false, ""},
        {"lower case", "record,Date\n", ParseOutcome::BadHeader, false, ""},
        {"word on the second line only", "Date\nRecord\n", ParseOutcome::BadHeader, false, ""},
        {"no line end at all", "Record", ParseOutcome::Ok, false, ""},
        {"byte order mark first", "\xEF\xBB\xBFRecord\n", ParseOutcome::Ok, false, ""},
        {"name trimmed", "Record,x $%^   Pool 3  \n", ParseOutcome::Ok, true, "Pool 3"},
        {"name before CR LF", "Record $%^Pool\r\n1,2,3,t\r\n", ParseOutcome::Ok, true, "Pool"},
        {"marker without name", "Record $%^\n", ParseOutcome::Ok, true, ""},
        {"marker just inside the last 40", "Record $%^" + a37 + "\n", ParseOutcome::Ok, true, a37},
        {"marker one past the last 40", "Record $%^a" + a37 + "\n", ParseOutcome::Ok, false, ""},
    };
    for (const auto& c : cases) {
        auto table = usedTable();
        const ParseResult r = parseLog(c.content, *table);
        EXPECT_EQ(r.outcome, c.outcome) << c.what;
        EXPECT_EQ(r.hasName, c.hasName) << c.what;
        EXPECT_EQ(r.name, c.name) << c.what;
        // An empty file is refused before the count is reset; any other file resets it.
        EXPECT_EQ(table->RecordCount, c.outcome == ParseOutcome::EmptyFile ? 7 : r.recordCount)
            << c.what;
    }
}

struct LineCase {
    const char* what;
    std::string content;
    std::vector<std::string> times; // RecordTime of rows 1.. ("old" where nothing was stored)
};

TEST(LogParse, LineEndsAndEmptyLines) {
    const LineCase cases[] = {
        {"LF", "Record\n1,2,3,A\n1,2,3,B\n", {"A", "B"}},
        {"CR LF", "Record\r\n1,2,3,A\r\n1,2,3,B\r\n", {"A", "B"}},
        {"CR", "Record\r1,2,3,A\r1,2,3,B\r", {"A", "B"}},
        {"mixed", "Record\n1,2,3,A\r\n1,2,3,B\r1,2,3,C", {"A", "B", "C"}},
        {"no end on the last line", "Record\n1,2,3,A\n1,2,3,B", {"A", "B"}},
        {"header only", "Record\r\n", {}},
        {"empty lines count", "Record\n\n\n1,2,3,C\n", {"old", "old", "C"}},
        {"empty line before the end", "Record\n1,2,3,A\n\n", {"A", "old"}},
        {"CR CR LF", "Record\r\r\n1,2,3,B\n", {"old", "B"}},
        {"LF CR", "Record\n\r1,2,3,B\n", {"old", "B"}},
        {"LF LF CR LF", "Record\n1,2,3,A\n\r\n", {"A", "old"}},
    };
    for (const auto& c : cases) {
        auto table = usedTable();
        const ParseResult r = parseLog(c.content, *table);
        ASSERT_EQ(r.outcome, ParseOutcome::Ok) << c.what;
        ASSERT_EQ(r.recordCount, static_cast<int32_t>(c.times.size())) << c.what;
        for (size_t i = 0; i < c.times.size(); ++i)
            EXPECT_EQ(table->RecordTime[i + 1], c.times[i]) << c.what << " row " << i + 1;
    }
}

TEST(LogParse, UnterminatedLastLineCanBeLeftForLater) {
    const ParseOptions drop{true};
    const struct {
        const char* what;
        std::string content;
        int32_t kept, dropped;
    } cases[] = {
        {"last line half written", "Record\n1,2,3,A\n1,2,3,B", 2, 1},
        {"last line complete", "Record\n1,2,3,A\n1,2,3,B\n", 2, 2},
        {"CR ends a line too", "Record\r1,2,3,A\r", 1, 1},
        {"header alone without end", "Record", 0, 0},
        {"only the header has ended", "Record\n1,2,3,A", 1, 0},
    };
    for (const auto& c : cases) {
        auto table = usedTable();
        EXPECT_EQ(parseLog(c.content, *table).recordCount, c.kept) << c.what;
        table = usedTable();
        const ParseResult r = parseLog(c.content, *table, drop);
        EXPECT_EQ(r.outcome, ParseOutcome::Ok) << c.what;
        EXPECT_EQ(r.recordCount, c.dropped) << c.what;
        // The dropped line must not have been written into its row either.
        EXPECT_EQ(table->RecordTime[static_cast<size_t>(c.dropped) + 1], "old") << c.what;
    }
}

struct FieldCase {
    const char* what;
    std::string line;
    std::string time;                        // expected RecordTime of the row
    std::vector<std::pair<int, double>> set; // columns written, with their values
};

TEST(LogParse, FieldsOfARecordLine) {
    std::string thirty = "a,b,c,t";
    for (int c = 5; c <= 30; ++c)
        thirty += "," + std::to_string(c);
    std::vector<std::pair<int, double>> all;
    for (int c = 5; c <= 30; ++c)
        all.emplace_back(c, c);

    const FieldCase cases[] = {
        {"empty line", "", "old", {}},
        {"three fields", "1,2,3", "old", {}},
        {"time only", "1,2,3,2024-03-01 10:00:00", "2024-03-01 10:00:00", {}},
        {"time trimmed", "1,2,3,  2024-03-01 10:00:00  ", "2024-03-01 10:00:00", {}},
        {"empty time", "1,2,3,", "", {}},
        {"short line keeps later columns", "1,2,3,t,5,6", "t", {{5, 5}, {6, 6}}},
        {"thirty fields", thirty, "t", all},
        {"unit after the number", "1,2,3,t,7.25 mg/l", "t", {{5, 7.25}}},
        {"letters", "1,2,3,t,abc", "t", {{5, 0}}},
        {"empty field", "1,2,3,t,,4", "t", {{5, 0}, {6, 4}}},
        {"blanks inside the number", "1,2,3,t, - 1 2 . 5 ", "t", {{5, -12.5}}},
        {"tab before the number", "1,2,3,t,\t3", "t", {{5, 3}}},
        {"largest exponent that fits", "1,2,3,t,1e308", "t", {{5, 1e308}}},
        {"too small becomes 0", "1,2,3,t,1e-400", "t", {{5, 0}}},
        {"comma as decimal mark", "1,2,3,t,7,25", "t", {{5, 7}, {6, 25}}},
        {"NUL bytes", std::string("1,2,3,t\0x,9\0", 12), std::string("t\0x", 3), {{5, 9}}},
    };
    for (const auto& c : cases) {
        auto table = usedTable();
        const ParseResult r = parseLog("Record\n1,2,3,first\n" + c.line + "\n", *table);
        ASSERT_EQ(r.outcome, ParseOutcome::Ok) << c.what;
        ASSERT_EQ(r.recordCount, 2) << c.what;
        EXPECT_EQ(table->RecordTime[2], c.time) << c.what;
        for (int col = 0; col < kRecordColumns; ++col) {
            double expected = kOld;
            for (const auto& [sc, v] : c.set)
                if (sc == col)
                    expected = v;
            EXPECT_DOUBLE_EQ(table->RecordValue(2, col), expected) << c.what << " column " << col;
        }
    }
}

// Plain numbers and numbers followed by a unit are read by different paths of leadingNumber;
// both must give the very same double (sign of zero included).
TEST(LogParse, NumberWithUnitReadsAsTheBareNumber) {
    uint64_t state = 12345;
    const auto next = [&state](uint64_t n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % n;
    };
    std::string log = "Record\n";
    std::vector<std::string> numbers;
    for (int i = 0; i < 3000; ++i) {
        std::string n = std::string(next(3) == 0 ? "-" : next(2) ? "" : "+");
        const uint64_t intDigits = next(18), fractionDigits = next(18);
        for (uint64_t d = 0; d < intDigits; ++d)
            n += static_cast<char>('0' + next(10));
        if (fractionDigits > 0 || next(4) == 0)
            n += '.';
        for (uint64_t d = 0; d < fractionDigits; ++d)
            n += static_cast<char>('0' + next(10));
        numbers.push_back(n);
        log += "1,2,3,t," + n + "," + n + " mg/l," + n + "e0\n";
    }
    auto table = std::make_unique<RecordTable>();
    ASSERT_EQ(parseLog(log, *table).recordCount, 3000);
    for (int r = 1; r <= 3000; ++r) {
        const double bare = table->RecordValue(r, 5);
        for (int c : {6, 7}) {
            const double other = table->RecordValue(r, c);
            EXPECT_TRUE(std::memcmp(&bare, &other, sizeof bare) == 0)
                << numbers[static_cast<size_t>(r - 1)] << " column " << c << ": " << bare << " vs "
                << other;
        }
    }
}

// A column whose text repeats is not read again; any change of the text, however small, must
// still give the new number.
TEST(LogParse, RepeatedTextsReadAgainWhenTheyChange) {
    const struct {
        std::string text;
        double value;
    } column5[] = {
        {"12345678", 12345678},
        {"12345678", 12345678},
        {"12345679", 12345679},
        {"1234567", 1234567},
        {"1234567 ", 1234567},
        {" 1234567", 1234567},
        {"123456789", 123456789},
        {"7", 7},
        {std::string("7\0", 2), 7},
        {"-7", -7},
        {"", 0},
        {"", 0},
        {"7.25 mg/l", 7.25},
        {"7.25", 7.25},
        {"0", 0},
        {"9", 9},
        {"9", 9},
    };
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
    table = usedTable();
    const ParseResult r = parseLog("Record\n1,2,3,t,1e30\n1,2,3,t,1e30\n1,2,3,t,1e309\n", *table);
    EXPECT_EQ(r.outcome, ParseOutcome::ReadFailure);
    EXPECT_EQ(r.failureLine, 4);
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
        {"only commas", "1,2,3,wide" + std::string(5000, ','), ReadFailureKind::TooManyFields, 31,
         30},
        {"number too large", "1,2,3,wide,5,6,1e309,8", ReadFailureKind::NumberOutOfRange, 7, 6},
        {"negative too large", "1,2,3,wide,-1e400", ReadFailureKind::NumberOutOfRange, 5, 4},
        {"huge exponent", "1,2,3,wide,5,1e99999999999", ReadFailureKind::NumberOutOfRange, 6, 5},
    };
    for (const auto& c : cases) {
        auto table = usedTable();
        const ParseResult r = parseLog("Record\n1,2,3,A,1\n" + c.badLine + "\n1,2,3,C,3\n", *table);
        EXPECT_EQ(r.outcome, ParseOutcome::ReadFailure) << c.what;
        EXPECT_EQ(r.failure, c.kind) << c.what;
        EXPECT_EQ(r.failureLine, 3) << c.what;
        EXPECT_EQ(r.failureField, c.field) << c.what;
        EXPECT_EQ(r.recordCount, 2) << c.what;
        EXPECT_EQ(table->RecordTime[1], "A") << c.what;
        EXPECT_EQ(table->RecordTime[2], "wide") << c.what;
        EXPECT_EQ(table->RecordTime[3], "old") << c.what << ": nothing read after the failure";
        for (int col = 5; col < kRecordColumns; ++col)
            EXPECT_EQ(table->RecordValue(2, col) != kOld, col <= c.lastStoredColumn)
                << c.what << " column " << col;
    }
}

TEST(LogParse, CapAtTheLastFreeRow) {
    const struct {
        const char* what;
        std::string content;
        int32_t count;
        bool tooBig;
    } cases[] = {
        {"one below the cap", repeatLines("1,2,3,t,5", kMaxRecords - 1), kMaxRecords - 1, false},
        {"exactly the cap", repeatLines("1,2,3,t,5", kMaxRecords), kMaxRecords, true},
        {"exactly the cap, CR LF", repeatLines("1,2,3,t,5", kMaxRecords, "\r\n"), kMaxRecords,
         true},
        {"cap, last line without end", repeatLines("1,2,3,t,5", kMaxRecords - 1) + "1,2,3,t,5",
         kMaxRecords, true},
        {"beyond the cap", repeatLines("1,2,3,t,5", kMaxRecords + 6), kMaxRecords, true},
        {"failure after the cap is never reached",
         repeatLines("1,2,3,t,5", kMaxRecords) + "1,2,3,t,1e999\n", kMaxRecords, true},
    };
    for (const auto& c : cases) {
        auto table = usedTable();
        const ParseResult r = parseLog(c.content, *table);
        EXPECT_EQ(r.outcome, ParseOutcome::Ok) << c.what;
        EXPECT_EQ(r.recordCount, c.count) << c.what;
        EXPECT_EQ(r.tooBig, c.tooBig) << c.what;
        EXPECT_DOUBLE_EQ(table->RecordValue(c.count, 5), 5) << c.what;
        for (int col = 0; col < kRecordColumns; ++col)
            EXPECT_EQ(table->RecordValue(kRecordRows - 1, col), kOld) << c.what;
        EXPECT_EQ(table->RecordTime[kRecordRows - 1], "old") << c.what;
    }
}

TEST(LogParse, ShortFileAfterALongOne) {
    RecordTable table;
    std::string longLog = "Record\n";
    for (int i = 1; i <= 50; ++i)
        longLog += "1,2,3,long" + std::to_string(i) + "," + std::to_string(i) + "," +
                   std::to_string(i) + "\n";
    ASSERT_EQ(parseLog(longLog, table).recordCount, 50);
    const ParseResult r = parseLog("Record\n1,2,3,s1,100\n1,2,3,s2,200\n1,2,3,s3\n", table);
    EXPECT_EQ(r.recordCount, 3);
    EXPECT_EQ(table.RecordCount, 3);
    EXPECT_EQ(table.RecordTime[2], "s2");
    EXPECT_DOUBLE_EQ(table.RecordValue(2, 5), 200);
    EXPECT_DOUBLE_EQ(table.RecordValue(2, 6), 2) << "column beyond the short line keeps its value";
    EXPECT_DOUBLE_EQ(table.RecordValue(3, 5), 3) << "row with time only keeps its values";
    EXPECT_EQ(table.RecordTime[4], "long4");
    EXPECT_DOUBLE_EQ(table.RecordValue(50, 6), 50);
}

} // namespace
} // namespace osk
