#include "view/HourScroll.h"

#include "support/TimeLog.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

using test::TimeLog;

struct ScrollCase {
    const char* what;
    int32_t viewEnd, scroller, newEnd;
};

void expectMoves(const TimeLog& log, std::initializer_list<ScrollCase> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(NeighbourHourEnd(log.RecordTime, c.viewEnd, c.scroller, log.RecordCount()),
                  c.newEnd)
            << c.what;
}

// Records 1..901 from 12:00:00 to 14:30:00: 360 is 12:59:50, 720 is 13:59:50.
TEST(HourScroll, MovesToTheNeighbouringHourBoundary) {
    expectMoves(TimeLog().run("2006-05-23 12:00:00", 901),
                {{"back from inside hour 14", 800, 799, 720},
                 {"back from the last record of hour 13", 720, 719, 360},
                 {"back by a page still moves one hour", 800, 100, 720},
                 {"back within the oldest hour stays", 360, 359, 360},
                 {"forward from the last record of hour 12", 360, 361, 361},
                 {"forward by a drag still moves one hour", 361, 900, 721},
                 {"forward within the last hour goes to the last record", 800, 801, 901},
                 {"forward at the last record stays", 901, 902, 901},
                 {"an unchanged value stays", 500, 500, 500}});
}

TEST(HourScroll, MissingAndUnreadableHours) {
    expectMoves(TimeLog().run("2006-05-23 12:00:00", 360).run("2006-05-23 14:00:00", 360),
                {{"back over the missing hour 13", 500, 499, 360},
                 {"forward over the missing hour 13", 360, 361, 361}});

    TimeLog broken = TimeLog().run("2006-05-23 12:00:00", 720);
    broken.RecordTime[361] = "2006-05-23 1x:00:00"; // was 13:00:00
    expectMoves(broken, {{"back over it", 400, 399, 360},
                         {"forward over it", 360, 361, 362},
                         {"forward from it", 361, 362, 362}});
}

TEST(HourScroll, NeverReadsOutsideTheTable) {
    const TimeLog log = TimeLog().run("2006-05-23 12:00:00", 100);
    const auto& t = log.RecordTime;
    EXPECT_EQ(std::tuple(NeighbourHourEnd(t, 101, 100, 100), NeighbourHourEnd(t, -3, -4, 100),
                         NeighbourHourEnd(t, 50, 51, 5000), NeighbourHourEnd({}, 0, 1, 0)),
              std::tuple(101, -3, 5000, 0));
}

} // namespace
} // namespace osk
