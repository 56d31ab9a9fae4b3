// A small loaded log and a plot set up around it, for the drawing tests.
#pragma once

#include "graph/PlotInputs.h"
#include "graph/RecordingSurface.h"
#include "graph/TimeStep.h"

#include <memory>
#include <string>

namespace osk::test {

// Times "2024-03-01 10:00:00" + 10 s per record.
inline std::string recordTime(int record) {
    const int s = 10 * 3600 + 10 * (record - 1);
    auto two = [](int v) {
        return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
    };
    return "2024-03-01 " + two(s / 3600 % 24) + ":" + two(s / 60 % 60) + ":" + two(s % 60);
}

struct PlotFixture {
    // 50 regular records, every column 50. A 200 x 100 plot with 2 pixels per record and one
    // pixel per unit, window at the newest end with a 10-record right margin.
    PlotFixture() {
        for (int r = 1; r <= 50; ++r) {
            records->RecordTime[static_cast<size_t>(r)] = recordTime(r);
            for (int c = 5; c < kRecordColumns; ++c)
                records->RecordValue(r, c) = 50;
        }
        records->RecordCount = 50;
        records->ViewEndRecord = 50;
        records->FileLoaded = true;
        view.TimeAxis.PixelsPerRecord = 2;
        view.TimeAxis.LastRecord = 49;
        view.ValueAxis.Min = 0;
        view.ValueAxis.Max = 100;
        view.ValueAxis.Range = 100;
        view.ValueAxis.PixelsPerUnit = 1;
        view.HourOffsetRecords = 10;
        in.scrollerMax = 50;
        in.scrollerValue = 50;
        in.xasText = "48 Hour";
        in.gridXText = "2 Hour";
        ComputeRecordSteps(*records, render.RecordStep);
    }

    void fillColumn(int column, double v) {
        for (int r = 1; r <= records->RecordCount; ++r)
            records->RecordValue(r, column) = v;
    }

    std::unique_ptr<RecordTable> records = std::make_unique<RecordTable>();
    ViewState view;
    RenderState render;
    Texts texts;
    PlotInputs in{*records, view, render, texts};
    RecordingSurface plot{200, 100};
    RecordingSurface legend{1000, 4000};
};

} // namespace osk::test
