// Reading a record's date-time text ("2006-05-23 10:23:40"). Every part of the program that
// looks inside the text does it here. The date is at the first ten characters, the clock at the
// last eight; texts that are shorter, longer or hold something else are read as described at
// each function, never rejected as a whole.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace osk {

// The time text of row k of the table; "" for a row the table does not have.
std::string_view RecordTimeAt(std::span<const std::string> RecordTime, long k);

// The strict reading of the clock, for labels and the hour scroll. Hour from the first two of
// the last eight characters, minute from the first two of the last five. Those two characters
// must hold one or two digits, blanks around them allowed ("09", " 9", "9 "), and name a clock
// value (hour 0..23, minute 0..59). Anything else (an empty text, a sign, a letter, a colon
// where a digit belongs, hour 24) is unreadable: nullopt.
std::optional<int> RecordHour(std::string_view time);
std::optional<int> RecordMinute(std::string_view time);
// The seconds, from the last two characters, read the same way.
std::optional<int> RecordSecond(std::string_view time);

// The lenient reading of the clock, for the step between two records: hh, mm and ss each the
// number at the start of its two-character field (at most 99, at least -9; 0 for no number).
struct RecordClockTime {
    int16_t hours = 0;
    int16_t minutes = 0;
    int16_t seconds = 0;
};
RecordClockTime RecordClockLenient(std::string_view time);

// Days since 1970-01-01 of the "yyyy-mm-dd" date in the first ten characters (any non-digit
// separators), when it is a real calendar date and a clock time follows it.
std::optional<long long> RecordDayNumber(std::string_view time);

// True when the number in the first two characters of label text a is less than that of b:
// between a time label and its left neighbour this means the hours ran back through midnight.
bool HourBefore(std::string_view a, std::string_view b);

// The date part: the first ten characters (fewer when the text is shorter).
std::string_view RecordDate(std::string_view time);

// The date as its first word, blanks around the text ignored ("" for a blank text).
std::string_view RecordDateWord(std::string_view time);

// The clock part, from the first space on; the whole text when it has no space.
std::string_view RecordClockText(std::string_view time);

// "23-05" from the date "2006-05-23".
std::string DayMonth(std::string_view date);

// "23-05-2006" from "2006-05-23 10:23:40"; a short text gives what it has ("" gives "--").
std::string PageDate(std::string_view time);

} // namespace osk
