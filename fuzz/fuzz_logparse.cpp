// Arbitrary bytes as a log file: every input must end in one of the parse outcomes with the
// record table's bounds intact, and the analysis of what was read must hold together.
#include "analysis/LogAnalysis.h"
#include "common/Numbers.h"
#include "logdata/BoundedRead.h"
#include "logdata/LogParse.h"
#include "logdata/RecordTable.h"
#include "logdata/TailRead.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// No time below zero, none longer than its period, no share of it larger than the whole.
bool figuresHold(const osk::Figures& f) {
    const long long covered = f.coveredSeconds;
    bool ok = covered >= 0 && covered <= f.periodSeconds && f.longestGapSeconds >= 0 &&
              f.longestGapSeconds <= f.periodSeconds && f.flowLowSeconds >= 0 &&
              f.flowLowSeconds <= covered && f.dosingStoppedSeconds >= 0 &&
              f.dosingStoppedSeconds <= covered && f.firstRecord <= f.lastRecord;
    for (const long long s : f.pumpSeconds)
        ok = ok && s >= 0 && s <= covered;
    for (const long long s : f.cellSeconds)
        ok = ok && s >= 0 && s <= covered;
    for (const osk::QuantityFigures& q : f.quantity)
        ok = ok && q.bandSeconds >= 0 && q.bandSeconds <= covered && q.insideSeconds >= 0 &&
             q.insideSeconds <= q.bandSeconds && q.longestExcursionSeconds >= 0 &&
             q.longestExcursionSeconds <= covered && q.excursions >= 0 && q.records <= f.records;
    return ok;
}

void checkAnalysis(const osk::RecordTable& table, const uint8_t* data, size_t size) {
    const int32_t count = table.RecordCount;
    const osk::LogAnalysis a = osk::AnalyseLog(table);
    for (const osk::Excursion& e : a.excursions)
        if (e.first < 1 || e.first > e.last || e.last > count || e.worstRecord < e.first ||
            e.worstRecord > e.last || e.durationSeconds < 0 ||
            e.durationSeconds > (e.last - e.first + 1) * osk::kLongestRecordStepSeconds)
            __builtin_trap();
    int32_t records = 0;
    for (size_t d = 0; d < a.days.size(); ++d) {
        const osk::Figures& day = a.days[d];
        records += day.records;
        if (!figuresHold(day) || day.periodSeconds != osk::kSecondsPerDay ||
            (d > 0 && a.days[d - 1].dayNumber >= day.dayNumber))
            __builtin_trap();
    }
    if (records > count || !figuresHold(osk::RangeFigures(table, 1, count)))
        __builtin_trap();
    // Any range, also one reaching past the records.
    const int32_t first = size < 4 ? 0 : static_cast<int32_t>(data[2] * 97 % 20003) - 1;
    const int32_t last = size < 4 ? 0 : static_cast<int32_t>(data[3] * 89 % 20003) - 1;
    const osk::Figures range = osk::RangeFigures(table, first, last);
    if (!figuresHold(range) || range.periodSeconds < 0 || range.records > count)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One table for the whole run, as in the program: reads overwrite it in place.
    static osk::RecordTable table;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    for (const bool drop : {false, true}) {
        const osk::ParseResult r = osk::parseLog(content, table, osk::ParseOptions{drop});
        const bool countInRange = r.recordCount >= 0 && r.recordCount <= osk::kMaxRecords;
        const bool emptyRight = (r.outcome == osk::ParseOutcome::EmptyFile) == (size == 0);
        const bool failureRight =
            (r.outcome == osk::ParseOutcome::ReadFailure) ==
            (r.failure != osk::ReadFailureKind::None && r.failureLine >= 2 && r.failureField >= 5);
        const bool capRight =
            r.tooBig == (r.outcome == osk::ParseOutcome::Ok && r.recordCount == osk::kMaxRecords);
        if (!countInRange || !emptyRight || !failureRight || !capRight ||
            (r.outcome != osk::ParseOutcome::EmptyFile && table.RecordCount != r.recordCount))
            __builtin_trap();
    }
    checkAnalysis(table, data, size);
    // The file read in chunks of any size gives the bytes the parse would use of the whole.
    {
        struct Source : osk::ByteSource {
            std::string_view rest;
            std::optional<size_t> read(char* buffer, size_t n) override {
                n = std::min(n, rest.size());
                std::memcpy(buffer, rest.data(), n);
                rest.remove_prefix(n);
                return n;
            }
        };
        const size_t chunk = size == 0 ? 1 : 1 + data[0] % 97;
        Source source;
        source.rest = content;
        const osk::LogBytes cut = osk::readLogBytes(source, chunk);
        if (cut.status == osk::LogBytesStatus::Unreadable ||
            (cut.status == osk::LogBytesStatus::Ok &&
             content.substr(0, cut.bytes.size()) != cut.bytes))
            __builtin_trap();
        if (cut.status == osk::LogBytesStatus::Ok) {
            static osk::RecordTable whole;
            // Short lines leave their rows as they were: both tables start alike.
            for (osk::RecordTable* t : {&whole, &table})
                std::fill(t->RecordTime.begin(), t->RecordTime.end(), std::string());
            const osk::ParseResult a = osk::parseLog(content, whole);
            const osk::ParseResult b = osk::parseLog(cut.bytes, table);
            if (a.outcome != b.outcome || a.recordCount != b.recordCount || a.tooBig != b.tooBig ||
                a.name != b.name ||
                (a.outcome != osk::ParseOutcome::EmptyFile &&
                 !std::equal(whole.RecordTime.begin() + 1,
                             whole.RecordTime.begin() + 1 + a.recordCount,
                             table.RecordTime.begin() + 1)))
                __builtin_trap();
        }
    }
    // Read from its newest end in pieces of any size, a file with no more record lines than the
    // table holds gives the table of the whole file.
    {
        struct Source : osk::RandomAccessSource {
            std::string_view bytes;
            std::optional<uint64_t> size() override { return bytes.size(); }
            std::optional<size_t> readAt(uint64_t offset, char* buffer, size_t n) override {
                if (offset >= bytes.size())
                    return 0;
                n = std::min<size_t>(n, bytes.size() - offset);
                std::memcpy(buffer, bytes.data() + offset, n);
                return n;
            }
        };
        Source source;
        source.bytes = content;
        const size_t chunk = size < 2 ? 1 : 1 + data[1] % 61;
        for (const bool drop : {false, true}) {
            const osk::ParseOptions options{drop};
            const osk::LogBytes tail = osk::readLogTail(source, options, chunk);
            const auto lineEnds = std::count_if(content.begin(), content.end(),
                                                [](char c) { return c == '\n' || c == '\r'; });
            if (tail.status != osk::LogBytesStatus::Ok ||
                (tail.olderLinesLeftOut && lineEnds <= osk::kMaxRecords))
                __builtin_trap();
            if (tail.olderLinesLeftOut)
                continue;
            static osk::RecordTable whole;
            for (osk::RecordTable* t : {&whole, &table})
                std::fill(t->RecordTime.begin(), t->RecordTime.end(), std::string());
            const osk::ParseResult a = osk::parseLog(content, whole, options);
            const osk::ParseResult b = osk::parseLog(tail.bytes, table, options);
            if (a.outcome != b.outcome || a.recordCount != b.recordCount || a.name != b.name ||
                (a.outcome != osk::ParseOutcome::EmptyFile &&
                 !std::equal(whole.RecordTime.begin() + 1,
                             whole.RecordTime.begin() + 1 + a.recordCount,
                             table.RecordTime.begin() + 1)))
                __builtin_trap();
        }
    }
    // The parse reads plain numbers by a quicker path of leadingNumber than numbers with text
    // after them; a letter after any text never changes what is read.
    const std::string_view head = content.substr(0, 40);
    const osk::LeadingNumber plain = osk::leadingNumber(head);
    const osk::LeadingNumber suffixed = osk::leadingNumber(std::string(head) + "x");
    if (plain.outOfRange != suffixed.outOfRange ||
        std::memcmp(&plain.value, &suffixed.value, sizeof plain.value) != 0)
        __builtin_trap();
    return 0;
}
