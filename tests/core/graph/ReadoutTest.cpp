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

    ReadoutResult click(int x, int y, char separator = '.', int16_t product = kTextFreeChlorine) {
        ReadoutRequest r;
        r.x = x;
        r.y = y;
        r.graphOuterWidth = 400;
        r.graphInnerHeight = 300;
        r.popupHeight = 60;
        r.decimalSeparator = separator;
        r.productTextIndex = product;
        return ShowReadout(*table, points, texts, r);
    }

    std::unique_ptr<RecordTable> table = std::make_unique<RecordTable>();
    PlotPointTable points;
    Texts texts;
};

TEST_F(ReadoutTest, HitsOnlyStrictlyWithinFivePixels) {
    point(3, 5, 18, 100, 50);
    struct Case {
        int dx, dy;
        bool hit;
    };
    const Case cases[] = {
        {0, 0, true},  {4, 0, true},   {-4, 0, true}, {0, 4, true},   {0, -4, true}, {4, 4, true},
        {5, 0, false}, {-5, 0, false}, {0, 5, false}, {0, -5, false}, {4, 5, false}, {5, 4, false},
    };
    for (const Case& c : cases) {
        const auto hit = FindPlotPoint(points, table->ViewEndRecord, 100 + c.dx, 50 + c.dy);
        EXPECT_EQ(hit.has_value(), c.hit) << "dx " << c.dx << " dy " << c.dy;
        if (hit) {
            EXPECT_EQ(hit->row, 3);
            EXPECT_EQ(hit->slot, 5);
        }
    }
}

TEST_F(ReadoutTest, LowerSlotWinsThenLowerRow) {
    // Flow (slot 5) in an early row, pH (slot 3) in a later row, at the same place: the slot
    // decides, not the row nor which series was drawn last.
    point(2, 5, 18, 100, 50);
    points.set(7, 0, 101);
    points.set(7, 3, 51);
    points.set(7, 4, 15);
    points.set(9, 0, 99);
    points.set(9, 3, 49);
    points.set(9, 4, 15);
    const auto hit = FindPlotPoint(points, table->ViewEndRecord, 100, 50);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->slot, 3);
    EXPECT_EQ(hit->row, 7);
}

TEST_F(ReadoutTest, RowZeroNeverHitsAndStopsTheSearch) {
    // Row 0 carries no record; all its pixels are 0. A real point just beside it is not found,
    // because row 0 is met first.
    point(4, 1, 10, 2, 2);
    EXPECT_FALSE(FindPlotPoint(points, table->ViewEndRecord, 1, 1));
    const ReadoutResult r = click(1, 1);
    EXPECT_EQ(r.outcome, ReadoutOutcome::Miss);
    EXPECT_EQ(r.recordsCaption, "");
}

TEST_F(ReadoutTest, SearchesOnlyRowsOfTheWindowAndOfTheTable) {
    point(15, 1, 10, 200, 100);
    EXPECT_FALSE(FindPlotPoint(points, 10, 200, 100)); // rows 0..11 only
    EXPECT_TRUE(FindPlotPoint(points, 14, 200, 100));  // rows 0..15
    // A window end past the table (or at the largest record number) reads no row outside it.
    EXPECT_TRUE(FindPlotPoint(points, INT32_MAX, 200, 100));
    EXPECT_FALSE(FindPlotPoint(points, -5, 200, 100));
    EXPECT_FALSE(FindPlotPoint(PlotPointTable{}, 20, 0, 0));
    // Clicks at the ends of the int range do not overflow the distance test.
    EXPECT_FALSE(FindPlotPoint(points, 20, INT_MAX, INT_MIN));
}

TEST(ReadoutNames, FirstLineByColumn) {
    Texts texts;
    storeBuiltinTexts(texts);
    struct Case {
        int column;
        int16_t product;
        const char* line;
    };
    const Case cases[] = {
        {6, kTextFreeChlorine, "Name = Peroxide : High alarm"},
        {7, kTextFreeChlorine, "Name = Peroxide : Low alarm"},
        {8, kTextTarvox, "Name = Peroxide : Setpoint"},
        {10, kTextPeroxide, "Name = Peroxide"},
        {10, kTextFreeChlorine, "Name = Free Chlorine"},
        {10, kTextTarvox, "Name = Tarvox"},
        {11, 0, "Name = PH : High alarm"},
        {12, 0, "Name = PH : Low alarm"},
        {13, 0, "Name = PH : Setpoint"},
        {15, 0, "Name = PH"},
        {16, 0, "Name = Flow : Low alarm"},
        {17, 0, "Name = Flow : Dosing stop"},
        {18, 0, "Name = Flow"},
        {19, 0, "Name = Flow : Circulation"},
        {20, 0, "Name = Peroxide : Pump"},
        {21, 0, "Name = PH : Pump"},
        {22, 0, "Name = Cell : Active"},
        {23, 0, "Name = Cell : Null"},
        {24, 0, "Name = Cell : Rinse"},
        {25, 0, "Name = Cell : Empty"},
    };
    for (const Case& c : cases) {
        auto table = std::make_unique<RecordTable>();
        table->FileLoaded = true;
        table->ViewEndRecord = 5;
        table->RecordTime[3] = "2024-03-01 10:20:30";
        PlotPointTable points;
        points.reset(6);
        points.set(3, 0, 50);
        points.set(3, 1, 50);
        points.set(3, 2, c.column);
        ReadoutRequest request;
        request.x = 50;
        request.y = 50;
        request.productTextIndex = c.product;
        const ReadoutResult r = ShowReadout(*table, points, texts, request);
        ASSERT_EQ(r.outcome, ReadoutOutcome::Show) << c.column;
        EXPECT_EQ(r.text.substr(0, r.text.find("\r\n")), c.line) << c.column;
    }
    for (int column : {0, 5, 9, 14, 26, 29, 30, -1, 99})
        EXPECT_FALSE(ReadoutNameForColumn(column, kTextPeroxide)) << column;
}

TEST_F(ReadoutTest, FourLinesWithRecordCaption) {
    point(7, 5, 16, 100, 50);
    table->RecordTime[7] = "2024-03-01 10:20:30";
    table->RecordValue(7, 16) = 40;
    const ReadoutResult r = click(100, 50);
    ASSERT_EQ(r.outcome, ReadoutOutcome::Show);
    EXPECT_EQ(r.text,
              "Name = Flow : Low alarm\r\nTime =  10:20:30\r\nDate = 2024-03-01\r\nValue = 40");
    EXPECT_EQ(r.recordsCaption, "record nr. 7");
    EXPECT_EQ(r.column, 16);
}

TEST_F(ReadoutTest, TimeTextsAndValueFormats) {
    struct Case {
        const char* time;
        double value;
        char separator;
        const char* timeLine;
        const char* dateLine;
        const char* valueLine;
    };
    const Case cases[] = {
        {"2024-03-01 10:20:30", 7.25, ',', "Time =  10:20:30", "Date = 2024-03-01", "Value = 7,25"},
        {"10:20:30", 0.1, '.', "Time = 10:20:30", "Date = 10:20:30", "Value = 0.1"},
        {"1-3-2024 9:05:00", -1e20, '.', "Time =  9:05:00", "Date = 1-3-2024 9", "Value = -1E+20"},
        {"", 1.0 / 3.0, ',', "Time = ", "Date = ", "Value = 0,333333333333333"},
    };
    for (const Case& c : cases) {
        point(2, 3, 15, 60, 60);
        table->RecordTime[2] = c.time;
        table->RecordValue(2, 15) = c.value;
        const ReadoutResult r = click(60, 60, c.separator);
        ASSERT_EQ(r.outcome, ReadoutOutcome::Show);
        EXPECT_EQ(r.text, std::string("Name = PH\r\n") + c.timeLine + "\r\n" + c.dateLine + "\r\n" +
                              c.valueLine)
            << c.time;
    }
}

TEST_F(ReadoutTest, WidthIsSixPixelsPerCharacterOfTheLongestLine) {
    struct Case {
        int column;
        const char* time;
        int width;
    };
    const Case cases[] = {
        {16, "2024-03-01 10:20:30", 6 * 23},     // "Name = Flow : Low alarm"
        {15, "2024-03-01 10:20:30", 6 * 17},     // the date line is longest
        {15, "2024-03-01 10:20:30.125", 6 * 20}, // the time line is longest
        // The date is compared trimmed, but the width counts its trailing blanks.
        {15, "1/3/2024  10:00", 6 * 17},
    };
    for (const Case& c : cases) {
        point(2, 1, c.column, 60, 60);
        table->RecordTime[2] = c.time;
        EXPECT_EQ(click(60, 60).width, c.width) << c.time;
    }
    // Letters outside ASCII count once.
    texts.set(23, "Debi\xC3\xABt");
    point(2, 1, 16, 60, 60);
    table->RecordTime[2] = "2024-03-01 10:20:30";
    EXPECT_EQ(click(60, 60).width, 6 * 25); // "Name = Debiët : Low alarm"
}

TEST_F(ReadoutTest, PopupStaysInsideThePlot) {
    // Width 6 * 23 = 138 for a flow low alarm; the plot is 400 wide, 300 high, the pop-up 60.
    struct Case {
        int x, y;
        int left, top;
    };
    const Case cases[] = {
        {100, 100, 100, 100}, {262, 240, 262, 240}, // right and bottom edges just reached
        {263, 100, 125, 100},                       // one pixel too far right: left of the cursor
        {390, 100, 252, 100}, {100, 241, 100, 181}, // near the bottom: above the cursor
        {390, 290, 252, 230},
    };
    for (const Case& c : cases) {
        points.reset(21);
        point(5, 5, 16, c.x, c.y);
        table->RecordTime[5] = "2024-03-01 10:20:30";
        const ReadoutResult r = click(c.x, c.y);
        ASSERT_EQ(r.outcome, ReadoutOutcome::Show);
        EXPECT_EQ(r.left, c.left) << c.x << "," << c.y;
        EXPECT_EQ(r.top, c.top) << c.x << "," << c.y;
    }
}

TEST_F(ReadoutTest, OutcomesWithoutPopup) {
    point(3, 1, 9, 100, 50); // a column without a name
    point(4, 3, 18, 200, 50);
    EXPECT_EQ(click(100, 50).outcome, ReadoutOutcome::NoEntry);
    EXPECT_EQ(click(100, 50).recordsCaption, "");
    EXPECT_EQ(click(300, 200).outcome, ReadoutOutcome::Miss);
    table->FileLoaded = false;
    EXPECT_EQ(click(200, 50).outcome, ReadoutOutcome::NoFile);
}

} // namespace
} // namespace osk
