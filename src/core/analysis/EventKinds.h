// The conditions the analysis follows in every record: the alarm conditions of product, pH
// and flow, and the states of the measuring cell. Each record's own limits decide them.
#pragma once

#include "logdata/RecordTable.h"

#include <array>
#include <cstdint>

namespace osk {

enum class EventKind : int8_t {
    ProductHigh,   // product above its high alarm
    ProductLow,    // product below its low alarm
    PhHigh,        // pH above its high alarm
    PhLow,         // pH below its low alarm
    FlowLow,       // flow below its low alarm
    DosingStopped, // flow below the dosing stop
    CellActive,    // a cell state column not 0
    CellNull,
    CellRinse,
    CellEmpty,
};
inline constexpr int kEventKinds = 10;

// The quantities with figures of their own.
enum class Quantity : int8_t { Product, Ph, Flow };
inline constexpr int kQuantities = 3;

// What a record says about one condition. Unknown: the record has no band (its high alarm is
// not above its low alarm) or a value that is not a number.
enum class ConditionState : int8_t { Off, On, Unknown };

struct EventKindInfo {
    EventKind kind;
    bool alarm;        // an alarm condition; the cell states are events of their own
    int16_t group;     // series group: 0 product, 1 pH, 2 flow, 3 cell
    int16_t column;    // the value the condition is about
    bool worstIsHigh;  // the worst value of a run is its highest (else its lowest)
};

inline constexpr std::array<EventKindInfo, kEventKinds> kEventKindInfo = {{
    {EventKind::ProductHigh, true, 0, 10, true},
    {EventKind::ProductLow, true, 0, 10, false},
    {EventKind::PhHigh, true, 1, 15, true},
    {EventKind::PhLow, true, 1, 15, false},
    {EventKind::FlowLow, true, 2, 18, false},
    {EventKind::DosingStopped, true, 2, 18, false},
    {EventKind::CellActive, false, 3, 22, true},
    {EventKind::CellNull, false, 3, 23, true},
    {EventKind::CellRinse, false, 3, 24, true},
    {EventKind::CellEmpty, false, 3, 25, true},
}};

inline const EventKindInfo& InfoOf(EventKind kind) {
    return kEventKindInfo[static_cast<size_t>(kind)];
}

// A cell state is on or off: its runs have no worst value to show.
inline bool HasWorstValue(EventKind kind) {
    return InfoOf(kind).alarm;
}

// The columns of a quantity: its value and its band. Flow has a low alarm and a dosing stop
// but no high alarm; its band is "not below the low alarm".
struct QuantityColumns {
    int16_t value;
    int16_t highAlarm; // -1: none
    int16_t lowAlarm;
    int16_t pump;      // -1: none
};
inline constexpr std::array<QuantityColumns, kQuantities> kQuantityColumns = {{
    {10, 6, 7, 20},
    {15, 11, 12, 21},
    {18, -1, 16, -1},
}};

inline constexpr int16_t kDosingStopColumn = 17;

// Everything the analysis reads from one record: the state of every condition kind and
// whether each quantity lies inside its band (Unknown without a band).
struct RecordConditions {
    std::array<ConditionState, kEventKinds> kind{};
    std::array<ConditionState, kQuantities> insideBand{};

    ConditionState operator[](EventKind k) const { return kind[static_cast<size_t>(k)]; }
};
// Fills out in place: a struct this small would come back packed into registers, byte by byte.
void ReadConditions(const RecordTable& records, int32_t r, RecordConditions& out);
inline RecordConditions ConditionsAt(const RecordTable& records, int32_t r) {
    RecordConditions c;
    ReadConditions(records, r, c);
    return c;
}

// The state of condition kind in record r of the table.
ConditionState ConditionAt(const RecordTable& records, int32_t r, EventKind kind);

// Whether record r of quantity q lies inside its band; Unknown without a band.
ConditionState InsideBandAt(const RecordTable& records, int32_t r, Quantity q);

} // namespace osk
