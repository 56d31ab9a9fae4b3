#include "print/PageLayout.h"
#include "print/PageDraw.h"

#include "PageFakes.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <string>

namespace osk {
namespace {

struct OffsetCase {
    double pageWidth;
    int32_t dx;
};

void PrintTo(const OffsetCase& c, std::ostream* os) {
    *os << c.pageWidth << " twips";
}

class PageOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(PageOffsetTest, ShiftsByTheWholeExcessOnWidePaperOnly) {
    EXPECT_EQ(PageOffset(GetParam().pageWidth), GetParam().dx);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, PageOffsetTest,
    ::testing::Values(
        OffsetCase{16838, 1578},   // A4 landscape
        OffsetCase{15840, 580},    // letter landscape
        OffsetCase{16837.8, 1578}, // A4 from millimetres
        OffsetCase{15260, 0}, OffsetCase{15261, 1}, OffsetCase{12000, 0}, OffsetCase{0, 0},
        OffsetCase{-300, 0}, OffsetCase{15260.5, 0}, // halves go to the even neighbour
        OffsetCase{15261.5, 2}, OffsetCase{std::numeric_limits<double>::quiet_NaN(), 0},
        OffsetCase{std::numeric_limits<double>::infinity(), 0}, OffsetCase{1e300, 0}));

struct DateCase {
    const char* recordTime;
    const char* printed;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << '"' << c.recordTime << '"';
}

class PageDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(PageDateTest, DayMonthYearFromFixedPlaces) {
    EXPECT_EQ(PageDate(GetParam().recordTime), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(Texts, PageDateTest,
                         ::testing::Values(DateCase{"2024-03-06 23:59:50", "06-03-2024"},
                                           DateCase{"1999-12-31", "31-12-1999"},
                                           DateCase{"2024-03", "-03-2024"}, DateCase{"", "--"}));

PageInputs sampleInputs(double pageWidth) {
    PageInputs in;
    in.pageWidth = pageWidth;
    in.product = "Product";
    in.date = "Date";
    in.timeCaption = "(Time)";
    in.valueCaption = "(Value)";
    in.legendCaption = "Legend";
    in.newestRecordTime = "2024-03-06 12:00:00";
    in.logPath = "/data/Data/log.csv";
    for (int i = 0; i < kValueLabels; ++i)
        in.labels.valueLabels[static_cast<size_t>(i)] = "v" + std::to_string(i);
    for (int i = 0; i < kTimeLabels; ++i) {
        in.labels.timeLabels[static_cast<size_t>(i)] = "t" + std::to_string(i);
        in.labels.dateLabels[static_cast<size_t>(i)] = "d" + std::to_string(i);
    }
    for (int i = 0; i < kContactLineCount; ++i)
        in.contactLines[static_cast<size_t>(i)] = "c" + std::to_string(i);
    return in;
}

struct Drawn {
    test::FakePage header;
    test::FakePage body;
};

Drawn draw(double pageWidth) {
    const PageLayout layout = LayOutPage(sampleInputs(pageWidth));
    Drawn d;
    DrawPageItems(d.header, layout.header);
    DrawPageItems(d.body, layout.body);
    return d;
}

struct TextPlace {
    const char* text;
    double x, y; // before the shift
    bool header;
};

// Where each text sits on paper 15260 twips wide or narrower.
const TextPlace kTextPlaces[] = {
    {"Product", 6000, 500, true},
    {": OSK-GRAPHS", 7200, 500, true},
    {"Date", 6000, 750, true},
    {": 06-03-2024", 7200, 750, true},
    {"/data/Data/log.csv", 0, 11100, false},
    {"v0", 0, 1700, false},
    {"v1", 0, 2555, false},
    {"v10", 0, 10250, false},
    {"t0", 600, 10600, false},
    {"t1", 1665, 10600, false},
    {"t12", 13380, 10600, false},
    {"d0", 600, 10750, false},
    {"d12", 13380, 10750, false},
    {"(Time)", 14000, 10600, false},
    {"(Value)", 100, 1450, false},
    {"Legend", 13800, 1400, false},
    {"c0", 1200, 300, false},
    {"c1", 1200, 550, false},
    {"c2", 1200, 800, false},
    {"c3", 1200, 1050, false},
};

class PageLayoutShift : public ::testing::TestWithParam<double> {};

TEST_P(PageLayoutShift, TextsSitAtTheirPlacesShiftedByDx) {
    const double pageWidth = GetParam();
    const double dx = PageOffset(pageWidth);
    const Drawn d = draw(pageWidth);
    EXPECT_EQ(d.header.texts.size(), 4u);
    EXPECT_EQ(d.body.texts.size(), 1u + 11 + 13 + 13 + 3 + 4);
    for (const TextPlace& p : kTextPlaces) {
        const test::FakePage& page = p.header ? d.header : d.body;
        const test::PlacedText* t = page.findText(p.text);
        ASSERT_NE(t, nullptr) << p.text;
        EXPECT_EQ(t->x, dx + p.x) << p.text;
        EXPECT_EQ(t->y, p.y) << p.text;
        EXPECT_EQ(t->font, p.header ? "Verdana" : "MS Sans Serif") << p.text;
        EXPECT_EQ(t->points, p.header ? 10 : 8.25) << p.text;
    }
}

TEST_P(PageLayoutShift, PicturesAndLinesSitAtTheirPlacesShiftedByDx) {
    const double pageWidth = GetParam();
    const double dx = PageOffset(pageWidth);
    const Drawn d = draw(pageWidth);
    ASSERT_EQ(d.header.pictures.size(), 4u);
    EXPECT_TRUE(d.body.pictures.empty());
    const test::PlacedPicture pictures[] = {
        {PagePicture::Plot, dx + 600, 1700, 12700, 9000},
        {PagePicture::Legend, dx + 13500, 1700, 0, 0},
        {PagePicture::LogoLeft, dx, 250, 0, 0},
        {PagePicture::LogoRight, dx + 11500, 400, 0, 0},
    };
    for (size_t i = 0; i < 4; ++i) {
        const auto& got = d.header.pictures[i];
        EXPECT_EQ(got.which, pictures[i].which) << i;
        EXPECT_EQ(got.x, pictures[i].x) << i;
        EXPECT_EQ(got.y, pictures[i].y) << i;
        EXPECT_EQ(got.width, pictures[i].width) << i;
        EXPECT_EQ(got.height, pictures[i].height) << i;
    }

    const test::PlacedLine header[] = {{dx, 1300, dx + 14800, 1300, 15, kBlack}};
    const test::PlacedLine body[] = {
        {dx + 600, 1700, dx + 600, 10450, 3, kBlack},
        {dx + 600, 10450, dx + 13360, 10450, 3, kBlack},
        {dx + 13500, 1600, dx + 14600, 1600, 1, kBlack},
    };
    auto same = [](const test::PlacedLine& a, const test::PlacedLine& b) {
        return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.width == b.width &&
               a.colour == b.colour;
    };
    ASSERT_EQ(d.header.lines.size(), 1u);
    EXPECT_TRUE(same(d.header.lines[0], header[0]));
    ASSERT_EQ(d.body.lines.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(same(d.body.lines[i], body[i])) << i;
}

INSTANTIATE_TEST_SUITE_P(Widths, PageLayoutShift, ::testing::Values(16838.0, 15260.0, 11906.0));

TEST(PageLayout, OnlyXMovesOnWidePaper) {
    const PageLayout narrow = LayOutPage(sampleInputs(15260));
    const PageLayout wide = LayOutPage(sampleInputs(16838));
    EXPECT_EQ(narrow.dx, 0);
    EXPECT_EQ(wide.dx, 1578);
    auto moved = [](const PageItem& a, const PageItem& b) {
        return std::visit(
            [](const auto& p, const auto& q) -> bool {
                using P = std::decay_t<decltype(p)>;
                using Q = std::decay_t<decltype(q)>;
                if constexpr (!std::is_same_v<P, Q>) {
                    return false;
                } else if constexpr (std::is_same_v<P, PageLine>) {
                    return q.x1 == p.x1 + 1578 && q.x2 == p.x2 + 1578 && q.y1 == p.y1 &&
                           q.y2 == p.y2;
                } else {
                    return q.x == p.x + 1578 && q.y == p.y;
                }
            },
            a, b);
    };
    ASSERT_EQ(narrow.header.size(), wide.header.size());
    ASSERT_EQ(narrow.body.size(), wide.body.size());
    for (size_t i = 0; i < narrow.header.size(); ++i)
        EXPECT_TRUE(moved(narrow.header[i], wide.header[i])) << "header item " << i;
    for (size_t i = 0; i < narrow.body.size(); ++i)
        EXPECT_TRUE(moved(narrow.body[i], wide.body[i])) << "body item " << i;
}

} // namespace
} // namespace osk
