#include "print/PageLayout.h"
#include "print/PageDraw.h"

#include "PageFakes.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace osk {
namespace {

TEST(PageLayout, OffsetIsTheWholeExcessOverTheBaseWidth) {
    const double base = kPageBaseWidth;
    // clang-format off
    const std::pair<double, int32_t> cases[] = {{base + 1577.8, 1578}, {base + 0.5, 0}, {base + 1.5, 2},
        {base, 0}, {-300, 0}, {1e300, 0}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    // clang-format on
    for (const auto& [width, dx] : cases)
        EXPECT_EQ(PageOffset(width), dx) << width;
}

TEST(PageLayout, DateIsDayMonthYearFromFixedPlaces) {
    // A short text gives what it has.
    EXPECT_EQ(std::tuple(PageDate("2024-03-06 23:59:50"), PageDate("2024-03"), PageDate("")),
              std::tuple("06-03-2024", "-03-2024", "--"));
}

// Every text of the page named after itself ("v0" the first value label), drawn on paper of
// the given width.
test::FakePage drawPage(double pageWidth) {
    PageInputs in;
    in.pageWidth = pageWidth;
    std::tie(in.product, in.date, in.timeCaption, in.valueCaption, in.legendCaption,
             in.newestRecordTime, in.logPath) =
        std::tuple("Product", "Date", "(Time)", "(Value)", "Legend", "2024-03-06 12:00:00",
                   "/data/log.csv");
    for (size_t i = 0; i < kTimeLabels; ++i) {
        if (i < kValueLabels)
            in.labels.valueLabels[i] = "v" + std::to_string(i);
        in.labels.timeLabels[i] = "t" + std::to_string(i);
        in.labels.dateLabels[i] = "d" + std::to_string(i);
    }
    for (size_t i = 0; i < kContactLineCount; ++i)
        in.contactLines[i] = "c" + std::to_string(i);
    const PageLayout layout = LayOutPage(in);
    test::FakePage page;
    DrawPageItems(page, layout.header);
    EXPECT_EQ(page.items.size(), 9u); // four pictures, four texts, the rule
    DrawPageItems(page, layout.body);
    return page;
}

TEST(PageLayout, WiderPaperShiftsEveryXByTheOffset) {
    const test::FakePage base = drawPage(kPageBaseWidth), narrow = drawPage(11906),
                         wide = drawPage(kPageBaseWidth + 1578);
    ASSERT_EQ(base.items.size(), 9u + 3 + 1 + 11 + 13 + 13 + 3 + 4);
    for (const test::FakePage* other : {&narrow, &wide}) {
        const double dx = other == &wide ? 1578 : 0;
        ASSERT_EQ(other->items.size(), base.items.size());
        for (size_t i = 0; i < base.items.size(); ++i) {
            const test::Placed &a = base.items[i], &b = other->items[i];
            SCOPED_TRACE(a.what);
            EXPECT_EQ(b.what, a.what);
            EXPECT_EQ(std::tie(b.x, b.y, b.y2, b.font), std::tuple(a.x + dx, a.y, a.y2, a.font));
            EXPECT_EQ(b.x2, a.what.starts_with("line") ? a.x2 + dx : a.x2);
        }
    }
}

// The pictures are placed by the page design; the lines and labels are checked against them.
TEST(PageLayout, PiecesSitAroundThePlot) {
    const test::FakePage page = drawPage(kPageBaseWidth);
    const auto at = [&](const std::string& what, int nth = 0) {
        const test::Placed* p = page.find(what, nth);
        return p ? *p : (ADD_FAILURE() << what, test::Placed{});
    };
    const test::Placed plot = at("picture 0"), legend = at("picture 1"), rule = at("line 15");
    EXPECT_EQ(std::tie(plot.x, plot.y, plot.x2, plot.y2), std::tuple(600, 1700, 12700, 9000));
    EXPECT_EQ(std::tie(legend.x, legend.y), std::tuple(13500, plot.y));
    EXPECT_EQ(std::tuple(at("picture 2").x, at("picture 2").y), std::tuple(0, 250));
    EXPECT_EQ(std::tuple(at("picture 3").x, at("picture 3").y), std::tuple(11500, 400));
    EXPECT_TRUE(at("c3").y < rule.y && at(": 06-03-2024").y < rule.y);
    EXPECT_TRUE(at("Date").font.starts_with(kPageHeaderFont.name) &&
                at("(Time)").font.starts_with(kPageBodyFont.name));
    // The axes start at the plot's top-left corner and meet at its bottom, with the value
    // labels down from its top and the time labels along its bottom.
    const test::Placed valueAxis = at("line 3"), timeAxis = at("line 3", 1);
    EXPECT_EQ(std::tie(valueAxis.x, valueAxis.y, valueAxis.x2), std::tie(plot.x, plot.y, plot.x));
    EXPECT_EQ(std::tie(timeAxis.x, timeAxis.y), std::tie(plot.x, valueAxis.y2));
    EXPECT_EQ(std::tuple(at("v0").y, at("t0").x, at("d12").x, at("line 1").x),
              std::tuple(plot.y, plot.x, at("t12").x, legend.x));
    EXPECT_TRUE(at("d0").y > at("t0").y && at("t0").y > timeAxis.y);
}

} // namespace
} // namespace osk
