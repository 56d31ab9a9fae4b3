// A small loaded log and a plot set up around it, for the drawing tests.
#pragma once

#include "graph/PlotInputs.h"
#include "graph/RecordingSurface.h"
#include "graph/TimeStep.h"
#include "support/TimeLog.h"

#include <algorithm>
#include <memory>
#include <string>

namespace osk::test {

struct PlotFixture {
    // 50 regular records, every column 50. A 200 x 100 plot with 2 pixels per record and one
    // pixel per unit, window at the newest end with a 10-record right margin.
    PlotFixture() {
        const TimeLog times = TimeLog().run("2024-03-01 10:00:00", 50);
        std::copy(times.RecordTime.begin(), times.RecordTime.end(), records->RecordTime.begin());
        for (int r = 1; r <= 50; ++r)
            for (int c = 5; c < kRecordColumns; ++c)
                records->RecordValue(r, c) = 50;
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
