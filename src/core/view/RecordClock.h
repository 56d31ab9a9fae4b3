// Reading a record's date-time text at its fixed character positions: the date in the first
// ten characters, hour and minute in the last eight ("2006-05-23 10:23:40").
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace osk {

// The time text of row k of the table; "" for a row the table does not have.
std::string_view RecordTimeAt(std::span<const std::string> RecordTime, long k);

// Hour from the first two of the last eight characters, minute from the first two of the last
// five. Those two characters must hold one or two digits, blanks around them allowed ("09",
// " 9", "9 "), and name a clock value (hour 0..23, minute 0..59). Anything else (an empty text,
// a sign, a letter, a colon where a digit belongs, hour 24) is unreadable: nullopt.
std::optional<int> RecordHour(std::string_view time);
std::optional<int> RecordMinute(std::string_view time);

// The date part: the first ten characters (fewer when the text is shorter).
std::string_view RecordDate(std::string_view time);

} // namespace osk
