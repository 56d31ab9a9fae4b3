#include "print/PageLayout.h"
#include "print/PageDraw.h"

#include "PageFakes.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace osk {
namespace {

TEST(PageLayout, OffsetIsTheWholeExcessOverTheBaseWidth) {
    // clang-format off
    const struct {
        double pageWidth;
        int32_t dx;
    } cases[] = {
        {16838, 1578}, {16837.8, 1578}, {15840, 580}, {15261, 1}, {15260.5, 0}, {15261.5, 2},
        {15260, 0}, {12000, 0}, {-300, 0}, {1e300, 0}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(PageOffset(c.pageWidth), c.dx) << c.pageWidth;
}

TEST(PageLayout, DateIsDayMonthYearFromFixedPlaces) {
    EXPECT_EQ(PageDate("2024-03-06 23:59:50"), "06-03-2024");
    EXPECT_EQ(PageDate("2024-03"), "-03-2024"); // a short text gives what it has
    EXPECT_EQ(PageDate(""), "--");
}

struct Expected {
    const char* what;
    double x, y, x2, y2; // x and x2 before the shift; x2, y2: line end or picture size
    const char* font;
    int nth = 0;
};

// Everything on the page, in the order it is drawn, where it sits on paper 15260 twips wide.
const Expected kPage[] = {
    {"picture 0", 600, 1700, 12700, 9000, ""}, // the plot, stretched
    {"picture 1", 13500, 1700, 0, 0, ""},      // the legend at its own size
    {"picture 2", 0, 250, 0, 0, ""},
    {"picture 3", 11500, 400, 0, 0, ""},
    {"Product", 6000, 500, 0, 0, "Verdana 10.0"},
    {": OSK-GRAPHS", 7200, 500, 0, 0, "Verdana 10.0"},
    {"Date", 6000, 750, 0, 0, "Verdana 10.0"},
    {": 06-03-2024", 7200, 750, 0, 0, "Verdana 10.0"},
    {"line 15", 0, 1300, 14800, 1300, ""},
    {"line 3", 600, 1700, 600, 10450, ""},
    {"line 3", 600, 10450, 13360, 10450, "", 1},
    {"/data/log.csv", 0, 11100, 0, 0, "MS Sans Serif 8.25"},
    {"v0", 0, 1700, 0, 0, "MS Sans Serif 8.25"},
    {"v10", 0, 10250, 0, 0, "MS Sans Serif 8.25"},
    {"t0", 600, 10600, 0, 0, "MS Sans Serif 8.25"},
    {"t12", 13380, 10600, 0, 0, "MS Sans Serif 8.25"},
    {"d1", 1665, 10750, 0, 0, "MS Sans Serif 8.25"},
    {"(Time)", 14000, 10600, 0, 0, "MS Sans Serif 8.25"},
    {"(Value)", 100, 1450, 0, 0, "MS Sans Serif 8.25"},
    {"Legend", 13800, 1400, 0, 0, "MS Sans Serif 8.25"},
    {"line 1", 13500, 1600, 14600, 1600, ""},
    {"c0", 1200, 300, 0, 0, "MS Sans Serif 8.25"},
    {"c3", 1200, 1050, 0, 0, "MS Sans Serif 8.25"},
};

class PageLayoutShift : public ::testing::TestWithParam<double> {};

TEST_P(PageLayoutShift, EverythingSitsAtItsPlaceWithXShiftedByDx) {
    PageInputs in;
    in.pageWidth = GetParam();
    in.product = "Product";
    in.date = "Date";
    in.timeCaption = "(Time)";
    in.valueCaption = "(Value)";
    in.legendCaption = "Legend";
    in.newestRecordTime = "2024-03-06 12:00:00";
    in.logPath = "/data/log.csv";
    for (size_t i = 0; i < kTimeLabels; ++i) {
        if (i < kValueLabels)
            in.labels.valueLabels[i] = "v" + std::to_string(i);
        in.labels.timeLabels[i] = "t" + std::to_string(i);
        in.labels.dateLabels[i] = "d" + std::to_string(i);
    }
    for (size_t i = 0; i < kContactLineCount; ++i)
        in.contactLines[i] = "c" + std::to_string(i);

    const PageLayout layout = LayOutPage(in);
    const double dx = in.pageWidth > 15260 ? in.pageWidth - 15260 : 0;
    EXPECT_EQ(layout.dx, dx);
    test::FakePage page;
    DrawPageItems(page, layout.header);
    ASSERT_EQ(page.items.size(), 9u); // four pictures, four texts, the rule
    DrawPageItems(page, layout.body);
    ASSERT_EQ(page.items.size(), 9u + 3 + 1 + 11 + 13 + 13 + 3 + 4);

    for (const Expected& e : kPage) {
        const test::Placed* p = page.find(e.what, e.nth);
        ASSERT_NE(p, nullptr) << e.what;
        const bool isLine = std::string(e.what).starts_with("line");
        EXPECT_EQ(p->x, dx + e.x) << e.what;
        EXPECT_EQ(p->y, e.y) << e.what;
        EXPECT_EQ(p->x2, isLine ? dx + e.x2 : e.x2) << e.what;
        EXPECT_EQ(p->y2, e.y2) << e.what;
        EXPECT_EQ(p->font, e.font) << e.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, PageLayoutShift, ::testing::Values(16838.0, 15260.0, 11906.0));

} // namespace
} // namespace osk
