#include "logdata/RecordTime.h"

#include "common/Numbers.h"
#include "common/Text.h"

#include <chrono>

namespace osk {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> readClockField(std::string_view chars, int maxValue) {
    // Two digits, as nearly every record has them, read at once.
    if (chars.size() == 2 && isDigit(chars[0]) && isDigit(chars[1])) {
        const int value = (chars[0] - '0') * 10 + (chars[1] - '0');
        return value > maxValue ? std::nullopt : std::optional<int>(value);
    }
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

// A two-character field read as a number: at most "99", at least "-9".
int16_t twoCharNumber(std::string_view field) {
    return roundToInt16(leadingNumber(left(field, 2)).value).value_or(0);
}

int digitsValue(std::string_view s) {
    int v = 0;
    for (char c : s)
        v = v * 10 + (c - '0');
    return v;
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

std::optional<int> RecordSecond(std::string_view time) {
    return readClockField(right(time, 2), 59);
}

RecordClockTime RecordClockLenient(std::string_view time) {
    return {twoCharNumber(right(time, 8)), twoCharNumber(right(time, 5)),
            twoCharNumber(right(time, 2))};
}

std::optional<long long> RecordDayNumber(std::string_view time) {
    if (time.size() < 18)
        return std::nullopt;
    const std::string_view d = time.substr(0, 10);
    for (size_t i = 0; i < d.size(); ++i) {
        const bool separator = i == 4 || i == 7;
        if (isDigit(d[i]) == separator)
            return std::nullopt;
    }
    using namespace std::chrono;
    const year_month_day ymd{year{digitsValue(d.substr(0, 4))},
                             month{static_cast<unsigned>(digitsValue(d.substr(5, 2)))},
                             day{static_cast<unsigned>(digitsValue(d.substr(8, 2)))}};
    if (!ymd.ok())
        return std::nullopt;
    return static_cast<long long>(sys_days{ymd}.time_since_epoch().count());
}

bool HourBefore(std::string_view a, std::string_view b) {
    return leadingNumber(left(a, 2)).value < leadingNumber(left(b, 2)).value;
}

std::string_view RecordDate(std::string_view time) {
    return left(time, 10);
}

std::string_view RecordDateWord(std::string_view time) {
    const std::string_view trimmed = trimBlanks(time);
    return trimmed.substr(0, trimmed.find(' '));
}

std::string_view RecordClockText(std::string_view time) {
    const size_t space = time.find(' ');
    return space == std::string_view::npos ? time : time.substr(space);
}

std::string DayMonth(std::string_view date) {
    return std::string(mid(date, 9, 2)) + "-" + std::string(mid(date, 6, 2));
}

std::string PageDate(std::string_view time) {
    return DayMonth(time) + "-" + std::string(mid(time, 1, 4));
}

} // namespace osk
