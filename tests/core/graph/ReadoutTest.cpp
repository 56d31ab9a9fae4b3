#include "graph/Readout.h"

#include "graph/ProductSystem.h"
#include "lang/BuiltinTexts.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

namespace osk {
namespace {

class ReadoutTest : public ::testing::Test {
protected:
    ReadoutTest() {
        storeBuiltinTexts(texts);
        table->FileLoaded = true;
        table->ViewEndRecord = 20;
        points.reset(21);
    }
    // A drawn point of record row at (x, y) for the series of column in slot.
    void point(int32_t row, int slot, int column, int x, int y) {
        points.set(row, 0, x);
        points.set(row, slot, y);
        points.set(row, slot + 1, column);
    }
    // A click on the plot (400 x 300, pop-up 60 high).
    ReadoutResult click(int x, int y, char separator = '.', int16_t product = kTextPeroxide) {
        return ShowReadout(*table, points, texts, {x, y, 400, 300, 60, separator, product});
    }

    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    PlotPointTable points;
    Texts texts;
};

TEST_F(ReadoutTest, HitsStrictlyWithinFivePixelsLowerSlotFirst) {
    point(3, 5, 18, 100, 50);
    const struct {
        int dx, dy;
        bool hit;
    } cases[] = {{4, 0, true},  {-4, 0, true},  {0, 4, true},  {0, -4, true},  {4, 4, true},
                 {5, 0, false}, {-5, 0, false}, {0, 5, false}, {0, -5, false}, {4, 5, false}};
    for (const auto& c : cases)
        EXPECT_EQ(FindPlotPoint(points, 20, 100 + c.dx, 50 + c.dy).has_value(), c.hit)
            << c.dx << "," << c.dy;
    // pH (slot 3) in later rows at the same place: the lower slot wins, then the lower row.
    point(9, 3, 15, 99, 49);
    point(7, 3, 15, 101, 51);
    const auto hit = FindPlotPoint(points, 20, 100, 50);
    ASSERT_TRUE(hit);
    EXPECT_EQ(std::tie(hit->slot, hit->row), std::tuple(3, 7));
}

TEST_F(ReadoutTest, SearchStaysInTheWindowAndTheTable) {
    point(15, 1, 10, 200, 100);
    // Up to row 10 the search covers rows 0..11 only.
    EXPECT_EQ((std::vector<bool>{FindPlotPoint(points, 10, 200, 100).has_value(),
                                 FindPlotPoint(points, 14, 200, 100).has_value(),
                                 FindPlotPoint(points, INT32_MAX, 200, 100).has_value(),
                                 FindPlotPoint(points, -5, 200, 100).has_value(),
                                 FindPlotPoint(PlotPointTable{}, 20, 0, 0).has_value(),
                                 FindPlotPoint(points, 20, INT_MAX, INT_MIN).has_value()}),
              (std::vector<bool>{false, true, true, false, false, false}));
    // Row 0 (all zero) is met first near the corner and hides a real point beside it.
    point(4, 1, 10, 2, 2);
    EXPECT_FALSE(FindPlotPoint(points, 20, 1, 1));
}

TEST_F(ReadoutTest, NameLineByColumn) {
    // clang-format off
    const struct {
        int column;
        int16_t product;
        const char* line;
    } cases[] = {
        {6, kTextFreeChlorine, "Peroxide : High alarm"}, {7, 0, "Peroxide : Low alarm"},
        {8, 0, "Peroxide : Setpoint"}, {10, kTextPeroxide, "Peroxide"},
        {10, kTextFreeChlorine, "Free Chlorine"}, {10, kTextTarvox, "Tarvox"},
        {11, 0, "PH : High alarm"}, {12, 0, "PH : Low alarm"}, {13, 0, "PH : Setpoint"}, {15, 0, "PH"},
        {16, 0, "Flow : Low alarm"}, {17, 0, "Flow : Dosing stop"}, {18, 0, "Flow"},
        {19, 0, "Flow : Circulation"}, {20, 0, "Peroxide : Pump"}, {21, 0, "PH : Pump"},
        {22, 0, "Cell : Active"}, {23, 0, "Cell : Null"}, {24, 0, "Cell : Rinse"},
        {25, 0, "Cell : Empty"}};
    // clang-format on
    for (const auto& c : cases) {
        point(3, 1, c.column, 50, 50);
        const ReadoutResult r = click(50, 50, '.', c.product);
        EXPECT_EQ(std::tuple(r.outcome, r.text.substr(0, r.text.find("\r\n"))),
                  std::tuple(ReadoutOutcome::Show, std::string("Name = ") + c.line));
    }
    for (int column : {0, 5, 9, 14, 26, 29, 30, -1, 99})
        EXPECT_FALSE(ReadoutNameForColumn(column, kTextPeroxide)) << column;
}

TEST_F(ReadoutTest, LinesAndWidth) {
    const struct {
        int column;
        const char* time;
        double value;
        char separator;
        const char* text;
        int chars; // of the widest line, 6 pixels each
    } cases[] = {
        {16, "2024-03-01 10:20:30", 40, '.',
         "Name = Flow : Low alarm\r\nTime =  10:20:30\r\nDate = 2024-03-01\r\nValue = 40", 23},
        {15, "10:20:30.125", 0.1, '.',
         "Name = PH\r\nTime = 10:20:30.125\r\nDate = 10:20:30.1\r\nValue = 0.1", 19},
        // The date line is compared trimmed but counted with its trailing blanks.
        {15, "1/3/2024  10:00", 1.0 / 3, ',',
         "Name = PH\r\nTime =   10:00\r\nDate = 1/3/2024  \r\nValue = 0,333333333333333", 17},
    };
    for (const auto& c : cases) {
        point(2, 1, c.column, 60, 60);
        table->RecordTime[2] = c.time;
        table->RecordValue(2, c.column) = c.value;
        const ReadoutResult r = click(60, 60, c.separator);
        EXPECT_EQ(std::tie(r.text, r.width, r.recordsCaption),
                  std::tuple(c.text, 6 * c.chars, "record nr. 2"));
    }
    texts.set(23, "Debi\xC3\xABt"); // a letter outside ASCII counts once
    point(2, 1, 16, 60, 60);
    EXPECT_EQ(click(60, 60).width, 6 * 25);
}

TEST_F(ReadoutTest, PopupStaysInsideThePlot) {
    // 138 pixels wide for a flow low alarm.
    const struct {
        int x, y, left, top;
    } cases[] = {{262, 240, 262, 240},
                 {263, 100, 125, 100},
                 {390, 100, 252, 100},
                 {100, 241, 100, 181},
                 {390, 290, 252, 230}};
    for (const auto& c : cases) {
        points.reset(21);
        point(5, 5, 16, c.x, c.y);
        const ReadoutResult r = click(c.x, c.y);
        EXPECT_EQ(std::tie(r.left, r.top), std::tie(c.left, c.top)) << c.x << "," << c.y;
    }
}

TEST_F(ReadoutTest, OutcomesWithoutPopup) {
    point(3, 1, 9, 100, 50); // a column without a name
    // The last: row 0.
    EXPECT_EQ(std::tuple(click(100, 50).outcome, click(300, 200).outcome,
                         click(300, 200).recordsCaption, click(1, 1).outcome),
              std::tuple(ReadoutOutcome::NoEntry, ReadoutOutcome::Miss, "", ReadoutOutcome::Miss));
    table->FileLoaded = false;
    EXPECT_EQ(click(100, 50).outcome, ReadoutOutcome::NoFile);
}

} // namespace
} // namespace osk
