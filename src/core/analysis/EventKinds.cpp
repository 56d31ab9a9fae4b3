#include "analysis/EventKinds.h"

#include <cmath>

namespace osk {

namespace {

constexpr int kNoBand = 2;

// Above the high alarm (+1), below the low alarm (-1), inside (0); kNoBand without a band.
int bandSide(const double* row, const QuantityColumns& c) {
    const double v = row[c.value];
    const double low = row[c.lowAlarm];
    if (std::isnan(v) || std::isnan(low))
        return kNoBand;
    if (c.highAlarm < 0)
        return v < low ? -1 : 0;
    const double high = row[c.highAlarm];
    if (!(high > low))
        return kNoBand;
    return v > high ? 1 : v < low ? -1 : 0;
}

ConditionState stateOf(bool on) {
    return on ? ConditionState::On : ConditionState::Off;
}

} // namespace

void ReadConditions(const RecordTable& records, int32_t r, RecordConditions& c) {
    const double* row = records.values.data() + static_cast<size_t>(r) * kRecordColumns;
    std::array<int, kQuantities> sides{};
    for (size_t q = 0; q < sides.size(); ++q) {
        sides[q] = bandSide(row, kQuantityColumns[q]);
        c.insideBand[q] = sides[q] == kNoBand ? ConditionState::Unknown : stateOf(sides[q] == 0);
    }
    for (const EventKindInfo& info : kEventKindInfo) {
        ConditionState& state = c.kind[static_cast<size_t>(info.kind)];
        const double v = row[info.column];
        switch (info.kind) {
        case EventKind::ProductHigh:
        case EventKind::ProductLow:
        case EventKind::PhHigh:
        case EventKind::PhLow:
        case EventKind::FlowLow: {
            const int side = sides[static_cast<size_t>(info.group)];
            state = side == kNoBand ? ConditionState::Unknown
                                    : stateOf(info.worstIsHigh ? side > 0 : side < 0);
            break;
        }
        case EventKind::DosingStopped: {
            const double stop = row[kDosingStopColumn];
            state = std::isnan(v) || std::isnan(stop) ? ConditionState::Unknown : stateOf(v < stop);
            break;
        }
        default:
            state = std::isnan(v) ? ConditionState::Unknown : stateOf(v != 0);
        }
    }
}

ConditionState ConditionAt(const RecordTable& records, int32_t r, EventKind kind) {
    return ConditionsAt(records, r)[kind];
}

ConditionState InsideBandAt(const RecordTable& records, int32_t r, Quantity q) {
    return ConditionsAt(records, r).insideBand[static_cast<size_t>(q)];
}

} // namespace osk
