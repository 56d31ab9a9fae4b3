#include "analysis/LogAnalysis.h"
#include "logdata/LogParse.h"

#include "support/TimeLog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace osk {
namespace {

using test::TimeLog;
using RunRow = std::tuple<EventKind, int32_t, int32_t, long long>; // kind, first, last, seconds

// Product band 40..60, pH band 6.8..7.6, flow 95 above its low alarm 50 and dosing stop 30.
void setInside(RecordTable& t, int r) {
    for (const auto& [column, value] : {std::pair{6, 60.0}, {7, 40.0}, {10, 50.0}, {11, 7.6},
                                        {12, 6.8}, {15, 7.2}, {16, 50.0}, {17, 30.0}, {18, 95.0}})
        t.RecordValue(r, column) = value;
}

// Product per record: 'H' above its high alarm, 'L' below its low alarm, '.' inside, '?' no
// band (high alarm equal to low alarm).
RecordTable tableOf(const TimeLog& log, std::string_view product = "") {
    RecordTable t;
    t.RecordCount = log.RecordCount();
    for (int r = 1; r <= t.RecordCount; ++r) {
        t.RecordTime[static_cast<size_t>(r)] = log.RecordTime[static_cast<size_t>(r)];
        setInside(t, r);
        const char code = static_cast<size_t>(r) <= product.size() ? product[r - 1] : '.';
        t.RecordValue(r, 10) = code == 'H' ? 70 : code == 'L' ? 30 : 50;
        if (code == '?')
            t.RecordValue(r, 6) = 40;
    }
    return t;
}

// Records at the clock times given, on 2024-03-01 unless a time carries its own date.
TimeLog at(std::initializer_list<std::string> clocks) {
    TimeLog log;
    for (const std::string& c : clocks)
        log.RecordTime.push_back(c.size() > 8 ? c : "2024-03-01 " + c);
    return log;
}

std::vector<RunRow> runsOf(const LogAnalysis& a) {
    std::vector<RunRow> out;
    for (const Excursion& e : a.excursions)
        out.emplace_back(e.kind, e.first, e.last, e.durationSeconds);
    return out;
}

constexpr EventKind kHigh = EventKind::ProductHigh;
constexpr EventKind kLow = EventKind::ProductLow;

TEST(ConditionAt, BandEdgesAreInsideAndABandWithoutWidthIsUnknown) {
    using S = ConditionState;
    struct Case {
        double value, high, low;
        S above, below, inside;
    };
    // clang-format off
    const Case cases[] = {
        {60, 60, 40, S::Off, S::Off, S::On},    {40, 60, 40, S::Off, S::Off, S::On},
        {60.01, 60, 40, S::On, S::Off, S::Off}, {39.99, 60, 40, S::Off, S::On, S::Off},
        {50, 50, 50, S::Unknown, S::Unknown, S::Unknown},
        {50, 40, 60, S::Unknown, S::Unknown, S::Unknown},
        {0, 0, 0, S::Unknown, S::Unknown, S::Unknown}};
    // clang-format on
    RecordTable t;
    for (const Quantity q : {Quantity::Product, Quantity::Ph}) {
        const QuantityColumns& c = kQuantityColumns[static_cast<size_t>(q)];
        const EventKind high = q == Quantity::Product ? kHigh : EventKind::PhHigh;
        const EventKind low = q == Quantity::Product ? kLow : EventKind::PhLow;
        for (const Case& k : cases) {
            t.RecordValue(1, c.value) = k.value;
            t.RecordValue(1, c.highAlarm) = k.high;
            t.RecordValue(1, c.lowAlarm) = k.low;
            EXPECT_EQ(std::tuple(ConditionAt(t, 1, high), ConditionAt(t, 1, low),
                                 InsideBandAt(t, 1, q)),
                      std::tuple(k.above, k.below, k.inside))
                << "column " << c.value << ": " << k.value << " in " << k.low << ".." << k.high;
        }
    }
    // Flow is low below its low alarm, dosing stops below the stop; cell states on while not 0.
    const std::tuple<double, S, S> flows[] = {
        {50, S::Off, S::Off}, {49.9, S::On, S::Off}, {30, S::On, S::Off}, {29.9, S::On, S::On}};
    for (const auto& [flow, low, stopped] : flows) {
        setInside(t, 2);
        t.RecordValue(2, 18) = flow;
        EXPECT_EQ(std::tuple(ConditionAt(t, 2, EventKind::FlowLow),
                             ConditionAt(t, 2, EventKind::DosingStopped)),
                  std::tuple(low, stopped))
            << flow;
    }
    for (const auto& [value, state] : {std::pair{0.0, S::Off}, {1.0, S::On}, {-1.0, S::On}}) {
        t.RecordValue(3, 24) = value;
        EXPECT_EQ(ConditionAt(t, 3, EventKind::CellRinse), state) << value;
    }
}

TEST(AnalyseLog, RunsEndAtGapsStepsBackUnreadableTimesAndUnknownRecords) {
    struct Case {
        const char* name;
        TimeLog log;
        const char* product;
        std::vector<RunRow> runs;
    };
    const Case cases[] = {
        {"inside again", TimeLog().run("2024-03-01 10:00:00", 6), "HH.LLH",
         {{kHigh, 1, 2, 20}, {kLow, 4, 5, 20}, {kHigh, 6, 6, 10}}},
        {"a step of a minute is no gap", at({"10:00:00", "10:01:00", "10:02:01"}), "HHH",
         {{kHigh, 1, 2, 70}, {kHigh, 3, 3, 10}}},
        {"irregular steps", at({"10:00:00", "10:00:05", "10:00:35", "10:01:35"}), "HHHH",
         {{kHigh, 1, 4, 105}}},
        {"step back", at({"10:00:00", "10:00:10", "09:59:00", "09:59:10"}), "HHHH",
         {{kHigh, 1, 2, 20}, {kHigh, 3, 4, 20}}},
        {"no band", TimeLog().run("2024-03-01 10:00:00", 5), "HH?HH",
         {{kHigh, 1, 2, 20}, {kHigh, 4, 5, 20}}},
        {"unreadable time", at({"10:00:00", "10:00:10", "10:00:xx", "10:00:30", "10:00:40"}),
         "HHHHH", {{kHigh, 1, 2, 20}, {kHigh, 4, 5, 20}}},
        {"across midnight", TimeLog().run("2024-03-01 23:59:30", 6), "HHHHHH",
         {{kHigh, 1, 6, 60}}},
        {"single record", at({"10:00:00"}), "L", {{kLow, 1, 1, 10}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runsOf(AnalyseLog(tableOf(c.log, c.product))), c.runs) << c.name;
}

TEST(AnalyseLog, WorstValueIsTheFurthestOutsideAndItsFirstRecord) {
    RecordTable t = tableOf(TimeLog().run("2024-03-01 10:00:00", 7));
    const double product[] = {61, 75, 75, 65, 50, 39, 20};
    for (int r = 1; r <= 7; ++r)
        t.RecordValue(r, 10) = product[r - 1];
    const LogAnalysis a = AnalyseLog(t);
    ASSERT_EQ(a.excursions.size(), 2u);
    EXPECT_EQ(std::tuple(a.excursions[0].worstValue, a.excursions[0].worstRecord,
                         a.excursions[0].startText, a.excursions[0].endText),
              std::tuple(75.0, 2, "2024-03-01 10:00:00", "2024-03-01 10:00:30"));
    EXPECT_EQ(std::tuple(a.excursions[1].worstValue, a.excursions[1].worstRecord),
              std::tuple(20.0, 7));
}

TEST(AnalyseLog, DayFiguresOfValuesBandsPumpsAndCellStates) {
    RecordTable t = tableOf(TimeLog().run("2024-03-01 10:00:00", 6), "HL..HH");
    t.RecordValue(2, 18) = 40; // flow low
    t.RecordValue(3, 18) = 20; // flow low and dosing stopped
    t.RecordValue(4, 20) = t.RecordValue(5, 20) = 1;
    t.RecordValue(6, 25) = 1;
    const std::vector<Figures> days = AnalyseLog(t).days;
    ASSERT_EQ(days.size(), 1u);
    const Figures& d = days[0];
    const QuantityFigures& p = d.quantity[0];
    EXPECT_EQ(std::tuple(d.date, d.firstRecord, d.lastRecord, d.records, p.lowest, p.lowestRecord,
                         p.highest, p.highestRecord, p.mean, p.insideShare(), p.excursions,
                         p.longestExcursionSeconds),
              std::tuple("2024-03-01", 1, 6, 6, 30.0, 2, 70.0, 1, 340.0 / 6, 2.0 / 6, 3, 20LL));
    EXPECT_EQ(std::tuple(d.quantity[2].excursions, d.flowLowSeconds, d.dosingStoppedSeconds,
                         d.pumpSeconds, d.cellSeconds),
              std::tuple(2, 20LL, 10LL, std::array<long long, 2>{20, 0},
                         std::array<long long, 4>{0, 0, 0, 10}));
    EXPECT_EQ(std::tuple(d.coveredSeconds, d.periodSeconds, d.longestGapSeconds),
              std::tuple(60LL, kSecondsPerDay, 14 * 3600LL - 60));
}

// Each day covers its own part of the records' time: never more than the day, time shared with
// time already counted once, a run across midnight clipped to each day.
TEST(AnalyseLog, TimeIsCountedOncePerDay) {
    struct Case {
        const char* name;
        TimeLog log;
        std::vector<long long> covered;  // per day
        std::vector<long long> longest;  // longest product excursion per day
    };
    const Case cases[] = {
        {"a whole day", TimeLog().run("2024-03-01 00:00:00", 8640), {kSecondsPerDay},
         {kSecondsPerDay}},
        {"across midnight", TimeLog().run("2024-03-01 23:59:30", 6), {30, 30}, {30, 30}},
        {"a record's time runs past midnight", TimeLog().run("2024-03-01 23:59:55", 2),
         {5, 15}, {5, 15}},
        {"clock set back an hour at the end of a day",
         TimeLog().run("2024-03-01 00:00:00", 8640).run("2024-03-01 23:00:00", 720),
         {kSecondsPerDay, 3600}, {kSecondsPerDay, 3600}},
        {"clock set back an hour",
         TimeLog().run("2024-03-01 10:00:00", 720).run("2024-03-01 11:00:00", 720), {3 * 3600},
         {2 * 3600}},
        {"out of order",
         at({"10:00:00", "10:00:10", "10:00:20", "10:00:10", "10:00:20", "10:00:30"}), {40},
         {30}},
        {"19999 records", TimeLog().run("2024-03-01 00:00:00", kMaxRecords),
         {kSecondsPerDay, kSecondsPerDay, 27190}, {kSecondsPerDay, kSecondsPerDay, 27190}},
    };
    for (const Case& c : cases) {
        // Above the high alarm throughout.
        const LogAnalysis a =
            AnalyseLog(tableOf(c.log, std::string(c.log.RecordTime.size(), 'H')));
        std::vector<long long> covered, longest;
        for (const Figures& d : a.days) {
            covered.push_back(d.coveredSeconds);
            longest.push_back(d.quantity[0].longestExcursionSeconds);
            EXPECT_GE(d.longestGapSeconds, 0) << c.name;
        }
        EXPECT_EQ(std::tuple(covered, longest), std::tuple(c.covered, c.longest)) << c.name;
        for (const Excursion& e : a.excursions)
            EXPECT_GT(e.durationSeconds, 0) << c.name;
    }
}

TEST(AnalyseLog, LinesWithoutAlarmColumnsGiveNoBands) {
    // Fields up to the product value (10): the alarm columns stay 0, so no record has a band.
    std::string log = "Record,Date,Time,DateTime\r\n";
    for (int i = 0; i < 4; ++i)
        log += std::to_string(i + 1) + ",d,t,2024-03-01 10:00:" + std::to_string(10 * i + 10) +
               ",0,0,0,0,0,999,0,0,0,0,7.1\r\n";
    RecordTable t;
    ASSERT_EQ(parseLog(log, t).recordCount, 4);
    ASSERT_EQ(t.RecordValue(4, 10), 999);
    const LogAnalysis a = AnalyseLog(t);
    ASSERT_EQ(a.days.size(), 1u);
    const Figures& d = a.days[0];
    EXPECT_EQ(std::tuple(runsOf(a), d.coveredSeconds, d.quantity[0].highest,
                         d.quantity[0].insideShare(), d.quantity[1].insideShare()),
              std::tuple(std::vector<RunRow>{}, 40LL, 999.0, std::nullopt, std::nullopt));
}

TEST(RangeFigures, TheRangeIsClampedToTheRecords) {
    const RecordTable t = tableOf(TimeLog().run("2024-03-01 10:00:00", 5), "..HH.");
    struct Case {
        int32_t first, last;
        int32_t from, to, records;
        long long period, longest;
    };
    const Case cases[] = {{-5, 100, 1, 5, 5, 50, 20}, {0, 3, 1, 3, 3, 30, 10},
                          {4, 4, 4, 4, 1, 10, 10},    {4, 2, 0, 0, 0, 0, 0},
                          {6, 9, 0, 0, 0, 0, 0}};
    for (const Case& c : cases) {
        const Figures f = RangeFigures(t, c.first, c.last);
        EXPECT_EQ(std::tuple(f.firstRecord, f.lastRecord, f.records, f.periodSeconds,
                             f.coveredSeconds, f.quantity[0].longestExcursionSeconds),
                  std::tuple(c.from, c.to, c.records, c.period, c.period, c.longest))
            << c.first << ".." << c.last;
    }
}

} // namespace
} // namespace osk
