#include "analysis/AnalysisCsv.h"
#include "lang/BuiltinTexts.h"
#include "lang/TextNumbers.h"

#include "support/CsvLines.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace osk {
namespace {

using test::csvLines;

// Texts without a language file: the built-in table, newer texts by their English fall-backs.
Texts builtinTexts() {
    Texts texts;
    storeBuiltinTexts(texts);
    return texts;
}

TEST(EventsCsv, OneLinePerExcursionNewestFirst) {
    Texts texts = builtinTexts();
    texts.set(kTextFreeChlorine, "Chlorine, free");
    LogAnalysis a;
    a.excursions = {
        {EventKind::ProductHigh, 1, 3, "2024-03-01 10:00:00", "2024-03-01 10:00:20", 30, 70.5, 2},
        {EventKind::FlowLow, 5, 9, "2024-03-01 10:00:40", "2024-03-01 11:02:35", 3735, 12.25, 5},
        // A cell state is on or off: no worst value.
        {EventKind::CellRinse, 10, 10, "2024-03-01 11:03:00", "2024-03-01 11:03:00", 10, 1, 10},
    };
    EXPECT_EQ(csvLines(EventsCsv(a, texts, kTextFreeChlorine)),
              (std::vector<std::string>{
                  "Kind,Start,End,Duration,Worst value",
                  "Cell Rinse,2024-03-01 11:03:00,2024-03-01 11:03:00,0:00:10,",
                  "Flow below low alarm,2024-03-01 10:00:40,2024-03-01 11:02:35,1:02:15,12.25",
                  "\"Chlorine, free above high alarm\",2024-03-01 10:00:00,2024-03-01 10:00:20,"
                  "0:00:30,70.5"}));
    EXPECT_EQ(csvLines(EventsCsv(LogAnalysis{}, texts, kTextFreeChlorine)).size(), 1u);
}

TEST(DayFiguresCsv, OneLinePerDayWithAColumnPerFigure) {
    const Texts texts = builtinTexts();
    Figures day;
    day.date = "2024-03-01";
    day.quantity[0] = {2, 30, 2, 70.5, 1, 50.25, 40, 30, 2, 20};
    day.flowLowSeconds = 10;
    day.pumpSeconds = {3600, 0};
    day.cellSeconds = {0, 0, 10, 0};
    day.coveredSeconds = 86390;
    day.longestGapSeconds = 70;
    const std::vector<std::string> out =
        csvLines(DayFiguresCsv({day, Figures{}}, texts, kTextFreeChlorine));
    ASSERT_EQ(out.size(), 3u);
    const std::string product = texts[kTextFreeChlorine];
    EXPECT_EQ(out[0].substr(0, out[0].find(",PH Lowest")),
              "Day," + product + " Lowest," + product + " Highest," + product + " Mean," + product +
                  " Inside the alarm limits," + product + " Excursions," + product +
                  " Longest excursion");
    EXPECT_NE(out[0].find(",Time with flow low,Time with dosing stopped," + product +
                          " Pump running,PH Pump running,Cell Active,Cell Null,Cell Rinse,"
                          "Cell Empty,Data coverage,Longest gap"),
              std::string::npos)
        << out[0];
    // pH and flow have no values this day: their values and shares stay empty.
    EXPECT_EQ(out[1], "2024-03-01,30,70.5,50.25,75.0 %,2,0:00:20,,,,,0,0:00:00,,,,,0,0:00:00,"
                      "0:00:10,0:00:00,1:00:00,0:00:00,0:00:00,0:00:00,0:00:10,0:00:00,"
                      "23:59:50,0:01:10");
    EXPECT_EQ(std::count(out[2].begin(), out[2].end(), ','),
              std::count(out[0].begin(), out[0].end(), ','));
}

} // namespace
} // namespace osk
