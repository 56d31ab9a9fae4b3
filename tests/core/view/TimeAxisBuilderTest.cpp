#include "view/TimeAxisBuilder.h"

#include "support/TimeLog.h"
#include "view/TimeLabels.h"

#include <gtest/gtest.h>

#include <string>

namespace osk {
namespace {

using test::TimeLog;

// 19999 records ending 2006-05-23 10:23:40; the log begins on the 21st at 02:50:40.
TimeLog endingAt102340() {
    return TimeLog().run("2006-05-21 02:50:40", 19999);
}

class TimeAxisTest : public ::testing::Test {
protected:
    const std::array<std::string, kSpanItems> items = SpanItemTexts("Hour");
    ViewState view;

    // A plot 300 pixels high; xas is the selected span text.
    TimeAxisLayout build(const TimeLog& log, int32_t viewEnd, std::string_view xas,
                         int16_t width = 610) {
        return BuildTimeAxis(view,
                             {log.RecordTime, viewEnd, log.RecordCount(), xas, items, width, 300});
    }

    // Time captions left to right, and the shown dates as "index:dd-mm".
    static std::string captions(const TimeAxisLayout& layout) {
        std::string s;
        for (const auto& t : layout.timeLabels)
            s += (s.empty() ? "" : " ") + t.caption;
        return s;
    }
    static std::string dates(const TimeAxisLayout& layout) {
        std::string s;
        for (int i = 0; i < kTimeLabels; ++i)
            if (const auto& d = layout.dateLabels[static_cast<size_t>(i)]; d.visible)
                s += (s.empty() ? "" : " ") + std::to_string(i) + ":" + d.caption;
        return s;
    }
};

TEST_F(TimeAxisTest, LabelsDatesAndScaleForEachSpan) {
    const TimeLog full = endingAt102340();
    const TimeLog at094950 = TimeLog().run("2006-05-23 06:00:00", 2000); // record 1380 is 9:49:50
    const TimeLog acrossMidnight = TimeLog().run("2006-05-22 22:00:00", 963);
    const TimeLog beforeMidnight = TimeLog().run("2006-05-22 21:00:00", 900);
    // clang-format off
    const struct {
        const TimeLog& log;
        int32_t viewEnd;
        const char* span;
        int16_t hourOffset;
        double spanRecords;
        const char *dates, *labels;
    } cases[] = {
        {full, 19999, "192 Hour", 222, 68898, "9:21-05 11:22-05 12:23-05",
         "11:00 3:00 19:00 11:00 3:00 19:00 11:00 3:00 19:00 11:00 3:00 19:00 11:00"},
        {full, 19999, "96 Hour", 222, 34338, "7:21-05 10:22-05 12:23-05",
         "11:00 19:00 3:00 11:00 19:00 3:00 11:00 19:00 3:00 11:00 19:00 3:00 11:00"},
        {full, 19999, "48 Hour", 222, 17058, "3:21-05 9:22-05 12:23-05",
         "11:00 15:00 19:00 23:00 3:00 7:00 11:00 15:00 19:00 23:00 3:00 7:00 11:00"},
        {full, 19999, "24 Hour", 222, 8418, "6:22-05 12:23-05",
         "11:00 13:00 15:00 17:00 19:00 21:00 23:00 1:00 3:00 5:00 7:00 9:00 11:00"},
        {full, 19999, "12 Hour", 222, 4098, "0:22-05 12:23-05",
         "23:00 0:00 1:00 2:00 3:00 4:00 5:00 6:00 7:00 8:00 9:00 10:00 11:00"},
        {full, 19999, "6 Hour", 222, 1938, "12:23-05",
         "5:00 5:30 6:00 6:30 7:00 7:30 8:00 8:30 9:00 9:30 10:00 10:30 11:00"},
        {full, 19999, "3 Hour", 222, 858, "12:23-05",
         "8:00 8:15 8:30 8:45 9:00 9:15 9:30 9:45 10:00 10:15 10:30 10:45 11:00"},
        // Scrolled back to 9:49:50.
        {at094950, 1381, "6 Hour", 66, 2094, "12:23-05",
         "4:00 4:30 5:00 5:30 6:00 6:30 7:00 7:30 8:00 8:30 9:00 9:30 10:00"},
        // The hour after 23 is 0.
        {beforeMidnight, 900, "3 Hour", 186, 894, "12:22-05",
         "21:00 21:15 21:30 21:45 22:00 22:15 22:30 22:45 23:00 23:15 23:30 23:45 0:00"},
        {acrossMidnight, 963, "3 Hour", 120, 960, "7:22-05 12:23-05",
         "22:00 22:15 22:30 22:45 23:00 23:15 23:30 23:45 0:00 0:15 0:30 0:45 1:00"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.span) + " ending at record " + std::to_string(c.viewEnd));
        const TimeAxisLayout layout = build(c.log, c.viewEnd, c.span);
        EXPECT_EQ(std::tuple(layout.timeFault, captions(layout), dates(layout),
                             view.HourOffsetRecords, view.TimeAxis.SpanRecords,
                             view.TimeAxis.LastRecord),
                  std::tuple(false, c.labels, c.dates, c.hourOffset, c.spanRecords,
                             c.log.RecordCount() - 1));
        EXPECT_DOUBLE_EQ(view.TimeAxis.PixelsPerRecord, 610 / c.spanRecords);
    }
}

TEST_F(TimeAxisTest, SpanTextOutsideTheList) {
    const TimeLog log = endingAt102340();
    // 48 hours are read from the text, but without a label step every label shows one time.
    const TimeAxisLayout layout = build(log, 19999, "48 Hours");
    for (const auto& t : layout.timeLabels)
        EXPECT_EQ(t.caption, "11:00");
    EXPECT_EQ(view.TimeAxis.SpanRecords, 17058);
    build(log, 19999, "");
    EXPECT_EQ(view.TimeAxis.PixelsPerRecord, 0.0);
}

// Labels evenly spaced across the plot's width, on alternate rows, with the dates under them.
TEST_F(TimeAxisTest, LabelPlacesUnderThePlot) {
    const TimeLog log = TimeLog().run("2006-05-22 22:00:00", 963);
    for (const int16_t width : {610, 40, 76}) {
        const TimeAxisLayout layout = build(log, 963, "3 Hour", width);
        const auto& t = layout.timeLabels;
        const auto& d = layout.dateLabels;
        const int spacing = t[1].left - t[0].left;
        EXPECT_NEAR(spacing, (width - 10) / 12.0, 0.5) << width;
        for (size_t i = 1; i < t.size(); ++i) {
            EXPECT_EQ(
                std::tuple(t[i].left - t[i - 1].left, t[i].top, d[i].colour),
                std::tuple(spacing, t[i % 2].top, d[i].visible ? kDateLabelRed : kDateLabelBlack))
                << width << " " << i;
            EXPECT_TRUE(t[i].top < d[i].top && (d[i].visible || d[i].caption.empty())) << i;
        }
        EXPECT_TRUE(t[0].top > 300 && t[0].top != t[1].top);
    }
}

TEST_F(TimeAxisTest, TimeFaultKeepsThePreviousLabels) {
    TimeLog log = TimeLog().run("2006-05-22 22:00:00", 963);
    ASSERT_FALSE(build(log, 963, "3 Hour").timeFault);
    const ViewState good = view;
    log.RecordTime[500] = "2006-05-22 2x:00:00";
    // an unreadable record before the window end; window ends outside 1..20001 or the table
    for (const int32_t viewEnd : {501, 0, 1, -7, 965, 20002}) {
        const TimeAxisLayout layout = build(log, viewEnd, "6 Hour");
        // The scale follows the new span with the kept hour offset.
        EXPECT_EQ(std::tuple(layout.timeFault, view.TimeLabelText, view.DateLabelText,
                             dates(layout), view.TimeAxis.SpanRecords),
                  std::tuple(true, good.TimeLabelText, good.DateLabelText, "7:22-05 12:23-05",
                             6 * 360 - 120))
            << viewEnd;
    }
    // One past the log is a window end too: only the record before it is read.
    EXPECT_FALSE(build(log, 964, "3 Hour").timeFault);
}

} // namespace
} // namespace osk
