// A stand-in for the main window around a real log: a generated day of records read into the
// record table, real axes and a real redraw onto picture surfaces, for the printing tests.
#pragma once

#include "LogGenerator.h"
#include "common/Numbers.h"
#include "graph/ImageSurface.h"
#include "graph/Plot.h"
#include "graph/TimeStep.h"
#include "lang/BuiltinTexts.h"
#include "logdata/LogParse.h"
#include "print/PrintHost.h"
#include "view/TimeAxisBuilder.h"
#include "view/TimeLabels.h"
#include "view/ValueScale.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace osk::test {

class LoggedWindow : public PrintHost {
public:
    // A day of records from start; the newest is 23:59:50 on start's day.
    LoggedWindow(const std::string& start, const std::string& path) {
        storeBuiltinTexts(texts);
        genlog::LogOptions options;
        options.start = start;
        options.name = "Pool 1";
        const ParseResult parsed = parseLog(genlog::generateLog(options), *records);
        EXPECT_EQ(parsed.outcome, ParseOutcome::Ok);
        records->FileLoaded = true;
        records->ViewEndRecord = records->RecordCount;
        records->LogSource.save(parsed.name, path);
        for (int g = 0; g < 4; ++g)
            for (int k = 0; k < kSeriesItems; ++k)
                render.SeriesOn.set(g, k, 1);
        ComputeRecordSteps(*records, render.RecordStep);
        spanItems = SpanItemTexts(texts[15]);
        in.productTextIndex = 74;
        in.scrollerMax = records->RecordCount;
        in.scrollerValue = records->RecordCount;
        in.xasText = spanItems[3]; // 24 hours
        in.gridXText = "2 Hour";
        legend.setBackColor(legendBack);
        rebuildScreen();
    }

    bool cellGroupTicked() const override { return render.SeriesOn.get(3, 0) != 0; }
    Colour legendBackColor() const override { return legendBack; }
    void setLegendBackColor(Colour c) override {
        legendBack = c;
        legend.setBackColor(c);
    }
    void redrawOnto(Surface& graph, int32_t plotWidth, int32_t labelHeight) override {
        redrawFor(graph, plotWidth, labelHeight);
    }
    void bringToFront() override {}
    PageLabels labels() const override { return shown; }
    void rebuildScreen() override {
        redrawFor(screen, screen.image().width(), screen.image().height());
    }

    std::unique_ptr<RecordTable> records = std::make_unique<RecordTable>();
    ViewState view;
    RenderState render;
    Texts texts;
    PlotInputs in{*records, view, render, texts};
    std::array<std::string, kSpanItems> spanItems{};
    ImageSurface screen{400, 300}; // pGraph
    ImageSurface legend{110, 240, 10.0};
    Colour legendBack = Rgb(236, 233, 216);
    PageLabels shown;

private:
    void redrawFor(Surface& target, int32_t width, int32_t labelHeight) {
        const ValueLabels values = BuildValueLabels(labelHeight, 100, 0);
        view.ValueAxis = values.ValueAxis;
        TimeAxisRequest request;
        request.RecordTime = records->RecordTime;
        request.ViewEndRecord = records->ViewEndRecord;
        request.RecordCount = records->RecordCount;
        request.XasText = in.xasText;
        request.spanItemTexts = spanItems;
        request.plotWidth = roundToInt16(width).value_or(0);
        request.graphHeight = roundToInt16(labelHeight).value_or(0);
        const TimeAxisLayout axis = BuildTimeAxis(view, request);
        for (size_t i = 0; i < shown.valueLabels.size(); ++i)
            shown.valueLabels[i] = values.labels[i].caption;
        for (size_t i = 0; i < shown.timeLabels.size(); ++i) {
            shown.timeLabels[i] = axis.timeLabels[i].caption;
            shown.dateLabels[i] = axis.dateLabels[i].visible ? axis.dateLabels[i].caption : "";
        }
        bool scrollFlag = false;
        Redraw(in, target, legend, scrollFlag);
        target.flush();
        legend.flush();
    }
};

} // namespace osk::test
