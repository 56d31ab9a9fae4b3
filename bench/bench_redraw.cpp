// Speed of a full redraw: all 19 series of a full-size log over the 192-hour span, onto a
// 1600 x 900 picture and onto a surface that draws nothing (the drawing code's own share).
#include "LogGenerator.h"
#include "app/OffscreenPlatform.h"
#include "graph/AutoScale.h"
#include "graph/ImageSurface.h"
#include "graph/NullSurface.h"
#include "graph/Plot.h"
#include "graph/TimeStep.h"
#include "logdata/LogParse.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;

struct Scene {
    std::unique_ptr<osk::RecordTable> records = std::make_unique<osk::RecordTable>();
    osk::ViewState view;
    osk::RenderState render;
    osk::Texts texts;
    osk::PlotInputs in{*records, view, render, texts};
};

// A full log with every series on, the window at the newest end, the value scale from the
// automatic choice for all groups (0..1200) or the product and pH scale (0..150), where the
// series swing over more pixels.
std::unique_ptr<Scene> makeScene(int scaleMax) {
    auto scene = std::make_unique<Scene>();
    osk::genlog::LogOptions options;
    options.records = osk::kMaxRecords;
    const auto parsed = osk::parseLog(osk::genlog::generateLog(options), *scene->records);
    if (parsed.outcome != osk::ParseOutcome::Ok) {
        std::cerr << "the generated log did not parse\n";
        std::exit(1);
    }
    osk::RecordTable& t = *scene->records;
    t.FileLoaded = true;
    t.ViewEndRecord = t.RecordCount;
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k < osk::kSeriesItems; ++k)
            scene->render.SeriesOn.set(g, k, 1);
    osk::ComputeRecordSteps(t, scene->render.RecordStep);

    // The time axis for 192 hours ending at the next full hour.
    const std::string& last = t.RecordTime[static_cast<size_t>(t.RecordCount - 1)];
    const int minute = std::atoi(last.substr(last.size() - 5, 2).c_str());
    osk::ViewState& v = scene->view;
    v.HourOffsetRecords = static_cast<int16_t>((60 - minute) * 6);
    v.TimeAxis.SpanRecords = 192 * 360 - v.HourOffsetRecords;
    v.TimeAxis.PixelsPerRecord = kWidth / v.TimeAxis.SpanRecords;
    v.TimeAxis.LastRecord = t.RecordCount - 1;
    v.ValueAxis.Min = 0;
    v.ValueAxis.Max = scaleMax;
    v.ValueAxis.Range = scaleMax;
    v.ValueAxis.PixelsPerUnit = (kHeight - 5.0) / scaleMax;

    osk::PlotInputs& in = scene->in;
    in.productTextIndex = 74;
    in.scrollerMax = t.RecordCount;
    in.scrollerValue = t.RecordCount;
    in.gridYValue = static_cast<int16_t>(scaleMax / 10);
    in.xasText = "192 Hour";
    in.gridXText = "4 Hour";
    return scene;
}

void RedrawImage(benchmark::State& state) {
    const auto scene = makeScene(static_cast<int>(state.range(0)));
    osk::ImageSurface plot(kWidth, kHeight);
    osk::ImageSurface legend(200, 420, 10.0);
    for (auto _ : state) {
        bool scrollFlag = false;
        osk::Redraw(scene->in, plot, legend, scrollFlag);
        benchmark::DoNotOptimize(plot.image().constBits());
        benchmark::DoNotOptimize(legend.image().constBits());
    }
}

void RedrawNull(benchmark::State& state) {
    const auto scene = makeScene(static_cast<int>(state.range(0)));
    osk::NullSurface plot(kWidth, kHeight);
    osk::NullSurface legend(2000, 4200);
    for (auto _ : state) {
        bool scrollFlag = false;
        benchmark::DoNotOptimize(osk::Redraw(scene->in, plot, legend, scrollFlag));
    }
}

} // namespace

BENCHMARK(RedrawImage)->Arg(1200)->Arg(150)->Unit(benchmark::kMillisecond);
BENCHMARK(RedrawNull)->Arg(1200)->Arg(150)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // The picture needs the GUI library's fonts and image formats, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    osk::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
