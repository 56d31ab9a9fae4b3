#include "logdata/RecordTime.h"

#include <gtest/gtest.h>

#include <optional>

namespace osk {
namespace {

TEST(RecordTime, ReadsHourAndMinuteStrictly) {
    const std::optional<int> none;
    // clang-format off
    const struct {
        const char* time;
        std::optional<int> hour, minute;
    } cases[] = {
        {"2006-05-23 10:23:40", 10, 23}, {"2006-05-23 23:59:59", 23, 59}, {"2006-05-23  9:05:00", 9, 5},
        {"10:23:40", 10, 23}, {"", none, none}, {"  :  :  ", none, none},
        {"2006-05-23 24:00:00", none, 0}, {"2006-05-23 10:60:00", 10, none},
        {"2006-05-23 1a:2b:40", none, none}, {"2006-05-23 -1:+5:00", none, none},
        {"9:49:50", none, 49}}; // seven characters: the hour field reads "9:"
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(RecordHour(c.time), c.hour) << '"' << c.time << '"';
        EXPECT_EQ(RecordMinute(c.time), c.minute) << '"' << c.time << '"';
    }
}

} // namespace
} // namespace osk
