#include "GraphDescription.h"

#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "graph/Legend.h"
#include "graph/RecordingSurface.h"
#include "graph/SeriesCatalogue.h"

#include <QJsonArray>
#include <QLabel>

#include <array>
#include <cmath>
#include <vector>

namespace osk::render {

namespace {

// Series are drawn two pixels wide on screen; the grid before them one pixel wide.
constexpr int kSeriesDrawWidth = 2;

struct DrawnSeries {
    Colour colour = kBlack;
    int moves = 0;
    std::vector<std::array<int, 2>> points;
};

QJsonValue number(double v) {
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue();
}

QJsonArray colour(Colour c) {
    return QJsonArray{int{redOf(c)}, int{greenOf(c)}, int{blueOf(c)}};
}

template <size_t N> QJsonArray captions(const std::array<QLabel*, N>& labels, bool onlyShown) {
    QJsonArray out;
    for (const QLabel* label : labels)
        out.append(onlyShown && label->isHidden() ? QString() : label->text());
    return out;
}

// Each series starts with its pen (width, then colour), a tick across its newest point and a
// move back to that point; every line after that move ends at one of its points.
std::vector<DrawnSeries> seriesCalls(const std::vector<SurfaceCall>& calls) {
    std::vector<DrawnSeries> out;
    DrawnSeries* current = nullptr;
    for (const SurfaceCall& call : calls) {
        switch (call.op) {
        case SurfaceCall::Op::Clear:
            out.clear();
            current = nullptr;
            break;
        case SurfaceCall::Op::DrawWidth:
            if (static_cast<int>(call.a) == kSeriesDrawWidth)
                current = &out.emplace_back();
            break;
        case SurfaceCall::Op::ForeColor:
            if (current != nullptr && current->moves == 0)
                current->colour = static_cast<Colour>(call.a);
            break;
        case SurfaceCall::Op::MoveTo:
            if (current != nullptr)
                ++current->moves;
            break;
        case SurfaceCall::Op::LineTo:
            if (current != nullptr && current->moves >= 2)
                current->points.push_back({static_cast<int>(call.a), static_cast<int>(call.b)});
            break;
        default:
            break;
        }
    }
    return out;
}

std::variant<QJsonArray, DescriptionError> describeSeries(const ProgramState& state,
                                                          const RecordingSurface& plot) {
    if (state.render.DrawStyle != kDrawStyleLine)
        return DescriptionError{"only a drawing in lines can be described"};
    std::vector<const SeriesEntry*> selected;
    for (const SeriesEntry& entry : kSeriesCatalogue)
        if (entry.draws() && SeriesSelected(entry, state.render.SeriesOn, state.render.Printing))
            selected.push_back(&entry);
    const std::vector<DrawnSeries> drawn = seriesCalls(plot.calls());
    if (drawn.size() != selected.size())
        return DescriptionError{"the drawing holds " + std::to_string(drawn.size()) +
                                " series where " + std::to_string(selected.size()) +
                                " are selected"};

    const int32_t end = state.records.ViewEndRecord;
    const PlotPointTable& table = state.render.PlotPoints;
    QJsonArray out;
    for (size_t k = 0; k < drawn.size(); ++k) {
        const SeriesEntry& entry = *selected[k];
        if (drawn[k].colour != entry.colour)
            return DescriptionError{"series " + std::to_string(k) + " is not drawn in its colour"};
        QJsonArray points;
        for (size_t i = 0; i < drawn[k].points.size(); ++i) {
            const int32_t record = end - static_cast<int32_t>(i);
            const auto [x, y] = drawn[k].points[i];
            // The points table describes the same drawing (where a later series shares the
            // slot, only its x).
            const bool ownSlot = table.at(record, entry.slot + 1) == entry.column;
            if (table.at(record, 0) != x || (ownSlot && table.at(record, entry.slot) != y))
                return DescriptionError{"the point of record " + std::to_string(record) +
                                        " differs from the plotted-point table"};
            points.append(QJsonArray{record, x, y});
        }
        out.append(QJsonObject{{"column", entry.column}, {"points", points}});
    }
    return out;
}

QJsonArray describeLegend(const RecordingSurface& legend) {
    std::vector<DrawnSegment> lines;
    for (const DrawnSegment& s : legend.segments())
        if (!s.deviceUnits)
            lines.push_back(s);
    const std::vector<DrawnText> texts = legend.texts();
    QJsonArray out;
    for (size_t i = 0; i < lines.size() && i < texts.size(); ++i) {
        const int level = lines[i].x1 == kLegendHeadingX ? 1 : 2;
        out.append(QJsonObject{{"text", QString::fromStdString(texts[i].text)},
                               {"level", level},
                               {"color", colour(lines[i].colour)}});
    }
    return out;
}

} // namespace

std::variant<QJsonObject, DescriptionError> describeGraph(const ProgramState& state,
                                                          const MainWindowControls& c,
                                                          const RecordingSurface& plot,
                                                          const RecordingSurface& legend) {
    auto series = describeSeries(state, plot);
    if (const auto* error = std::get_if<DescriptionError>(&series))
        return *error;
    const ViewState& v = state.view;
    return QJsonObject{
        {"RecordCount", state.records.RecordCount},
        {"ViewEndRecord", state.records.ViewEndRecord},
        {"HourOffsetRecords", v.HourOffsetRecords},
        {"TimeAxis", QJsonObject{{"SpanRecords", number(v.TimeAxis.SpanRecords)},
                                 {"PixelsPerRecord", number(v.TimeAxis.PixelsPerRecord)},
                                 {"LastRecord", number(v.TimeAxis.LastRecord)}}},
        {"ValueAxis", QJsonObject{{"Range", number(v.ValueAxis.Range)},
                                  {"PixelsPerUnit", number(v.ValueAxis.PixelsPerUnit)},
                                  {"Min", number(v.ValueAxis.Min)},
                                  {"Max", number(v.ValueAxis.Max)}}},
        {"GridStepPixelsY", number(v.GridStepPixelsY)},
        {"timeLabels", captions(c.lblScaleXas, false)},
        {"dateLabels", captions(c.lblDataXas, true)},
        {"valueLabels", captions(c.lblScale, false)},
        {"legend", describeLegend(legend)},
        {"series", std::get<QJsonArray>(std::move(series))},
    };
}

} // namespace osk::render
