#include "analysis/EventKinds.h"

#include <cmath>
#include <optional>

namespace osk {

namespace {

double valueAt(const RecordTable& records, int32_t r, int column) {
    return records.RecordValue(r, column);
}

// Above the high alarm (+1), below the low alarm (-1), inside (0); nullopt without a band.
std::optional<int> bandSide(const RecordTable& records, int32_t r, Quantity q) {
    const QuantityColumns& c = kQuantityColumns[static_cast<size_t>(q)];
    const double v = valueAt(records, r, c.value);
    const double low = valueAt(records, r, c.lowAlarm);
    if (std::isnan(v) || std::isnan(low))
        return std::nullopt;
    if (c.highAlarm < 0)
        return v < low ? -1 : 0;
    const double high = valueAt(records, r, c.highAlarm);
    if (!(high > low))
        return std::nullopt;
    return v > high ? 1 : v < low ? -1 : 0;
}

ConditionState stateOf(bool on) {
    return on ? ConditionState::On : ConditionState::Off;
}

} // namespace

RecordConditions ConditionsAt(const RecordTable& records, int32_t r) {
    RecordConditions c;
    std::array<std::optional<int>, kQuantities> sides;
    for (size_t q = 0; q < sides.size(); ++q) {
        sides[q] = bandSide(records, r, static_cast<Quantity>(q));
        c.insideBand[q] = sides[q] ? stateOf(*sides[q] == 0) : ConditionState::Unknown;
    }
    for (const EventKindInfo& info : kEventKindInfo) {
        ConditionState& state = c.kind[static_cast<size_t>(info.kind)];
        switch (info.kind) {
        case EventKind::ProductHigh:
        case EventKind::ProductLow:
        case EventKind::PhHigh:
        case EventKind::PhLow:
        case EventKind::FlowLow: {
            const auto& side = sides[static_cast<size_t>(info.group)];
            state =
                !side ? ConditionState::Unknown : stateOf(info.worstIsHigh ? *side > 0 : *side < 0);
            break;
        }
        case EventKind::DosingStopped: {
            const double v = valueAt(records, r, info.column);
            const double stop = valueAt(records, r, kDosingStopColumn);
            state = std::isnan(v) || std::isnan(stop) ? ConditionState::Unknown : stateOf(v < stop);
            break;
        }
        default: {
            const double v = valueAt(records, r, info.column);
            state = std::isnan(v) ? ConditionState::Unknown : stateOf(v != 0);
        }
        }
    }
    return c;
}

ConditionState ConditionAt(const RecordTable& records, int32_t r, EventKind kind) {
    return ConditionsAt(records, r)[kind];
}

ConditionState InsideBandAt(const RecordTable& records, int32_t r, Quantity q) {
    return ConditionsAt(records, r).insideBand[static_cast<size_t>(q)];
}

} // namespace osk
