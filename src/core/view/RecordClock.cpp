#include "view/RecordClock.h"

#include "common/Text.h"

namespace osk {

namespace {

std::optional<int> readClockField(std::string_view chars, int maxValue) {
    const std::string_view digits = trimBlanks(chars);
    if (digits.empty())
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > maxValue)
        return std::nullopt;
    return value;
}

} // namespace

std::string_view RecordTimeAt(std::span<const std::string> RecordTime, long k) {
    if (k < 0 || static_cast<unsigned long>(k) >= RecordTime.size())
        return {};
    return RecordTime[static_cast<size_t>(k)];
}

std::optional<int> RecordHour(std::string_view time) {
    return readClockField(left(right(time, 8), 2), 23);
}

std::optional<int> RecordMinute(std::string_view time) {
    return readClockField(left(right(time, 5), 2), 59);
}

std::string_view RecordDate(std::string_view time) {
    return left(time, 10);
}

} // namespace osk
