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

ConditionState ConditionAt(const RecordTable& records, int32_t r, EventKind kind) {
    const EventKindInfo& info = InfoOf(kind);
    switch (kind) {
    case EventKind::ProductHigh:
    case EventKind::ProductLow:
    case EventKind::PhHigh:
    case EventKind::PhLow:
    case EventKind::FlowLow: {
        const auto side = bandSide(records, r, static_cast<Quantity>(info.group));
        if (!side)
            return ConditionState::Unknown;
        return stateOf(info.worstIsHigh ? *side > 0 : *side < 0);
    }
    case EventKind::DosingStopped: {
        const double v = valueAt(records, r, info.column);
        const double stop = valueAt(records, r, kDosingStopColumn);
        if (std::isnan(v) || std::isnan(stop))
            return ConditionState::Unknown;
        return stateOf(v < stop);
    }
    default: {
        const double v = valueAt(records, r, info.column);
        return std::isnan(v) ? ConditionState::Unknown : stateOf(v != 0);
    }
    }
}

ConditionState InsideBandAt(const RecordTable& records, int32_t r, Quantity q) {
    const auto side = bandSide(records, r, q);
    return side ? stateOf(*side == 0) : ConditionState::Unknown;
}

} // namespace osk
