// What happened in a log, and for how long: the runs of records in an alarm condition or a
// cell state (excursions), and the figures of each calendar day and of any range of records.
//
// Time comes from the record times. A record stands for the time up to the next record when
// that comes within a minute, else for the nominal ten seconds. A longer step, a step back, an
// unreadable time or a record whose condition is unknown ends a run: no data is not an
// excursion; a record whose time cannot be read is in no run. Time a record shares with time
// already counted (a clock set back, records out of order) is counted once. A day holds the
// time of its records up to midnight; time of its last record past midnight counts in the next
// day when that day's records follow.
#pragma once

#include "analysis/EventKinds.h"
#include "logdata/RecordTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace osk {

inline constexpr long long kNominalRecordSeconds = 10;
inline constexpr long long kLongestRecordStepSeconds = 60; // a longer step is a gap
inline constexpr long long kSecondsPerDay = 86400;

// Seconds since 1970-01-01 00:00:00 of a record time "yyyy-mm-dd hh:mm:ss"; nullopt when the
// date or the clock cannot be read.
std::optional<long long> RecordSeconds(std::string_view time);

struct Excursion {
    EventKind kind;
    int32_t first = 0; // records
    int32_t last = 0;
    std::string startText; // the record times of first and last
    std::string endText;
    long long durationSeconds = 0; // first to last plus one record interval
    double worstValue = 0;
    int32_t worstRecord = 0;
};

struct QuantityFigures {
    int32_t records = 0; // records with a readable value
    double lowest = 0;
    int32_t lowestRecord = 0;
    double highest = 0;
    int32_t highestRecord = 0;
    double mean = 0;
    long long bandSeconds = 0;   // covered time in which the record had a band
    long long insideSeconds = 0; // ... and the value lay inside it
    int32_t excursions = 0;      // runs of its alarm kinds within the period
    long long longestExcursionSeconds = 0;

    // Share of the banded time inside the band, 0..1; nullopt without banded time.
    std::optional<double> insideShare() const;
};

struct Figures {
    std::string date;  // "yyyy-mm-dd" of a calendar day; "" for a range of records
    long long dayNumber = 0;
    int32_t firstRecord = 0; // first and last record of the period, in log order
    int32_t lastRecord = 0;
    int32_t records = 0;
    std::array<QuantityFigures, kQuantities> quantity{};
    long long flowLowSeconds = 0;
    long long dosingStoppedSeconds = 0;
    std::array<long long, 2> pumpSeconds{}; // product pump, pH pump running
    std::array<long long, 4> cellSeconds{}; // Active, Null, Rinse, Empty on
    long long coveredSeconds = 0;  // time with records, at most periodSeconds
    long long periodSeconds = 0;   // a day: 24 hours; a range: its first to its last record
    long long longestGapSeconds = 0; // longest time of the period without records

    std::optional<double> pumpShare(int pump) const;
};

struct LogAnalysis {
    std::vector<Excursion> excursions; // in log order
    std::vector<Figures> days;         // one per calendar day, oldest first
};

// One pass over records 1..RecordCount.
LogAnalysis AnalyseLog(const RecordTable& records);

// The figures of records first..last (clamped to 1..RecordCount); an empty range gives
// empty figures.
Figures RangeFigures(const RecordTable& records, int32_t first, int32_t last);

} // namespace osk
