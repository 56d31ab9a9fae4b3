#include "view/TimeAxisBuilder.h"

#include "common/Numbers.h"
#include "common/Text.h"
#include "logdata/RecordTime.h"
#include "view/TimeLists.h"
#include "view/TimeLabels.h"

namespace osk {

namespace {

constexpr int kTimeLabelWidth = 34;
constexpr int kDateLabelWidth = 55;
constexpr int kRecordsPerHour = 360;

TimeAxis computeTimeAxis(const TimeAxisRequest& request, int16_t hourOffsetRecords) {
    TimeAxis axis;
    axis.SpanRecords = SpanHours(request.XasText) * kRecordsPerHour - hourOffsetRecords;
    axis.PixelsPerRecord = axis.SpanRecords > 0 ? request.plotWidth / axis.SpanRecords : 0.0;
    axis.LastRecord = static_cast<double>(request.RecordCount) - 1;
    return axis;
}

} // namespace

TimeAxisLayout BuildTimeAxis(ViewState& view, const TimeAxisRequest& request) {
    TimeAxisLayout layout;
    const LabelStep step = LabelStepFor(request.XasText, request.spanItemTexts);
    if (const auto labels = BuildTimeLabels(request.RecordTime, request.ViewEndRecord, step)) {
        view.HourOffsetRecords = labels->HourOffsetRecords;
        view.TimeLabelText = labels->TimeLabelText;
        view.DateLabelText =
            BuildDateLabels(request.RecordTime, request.ViewEndRecord, view.TimeLabelText);
    } else {
        layout.timeFault = true;
    }

    // plotWidth is 16-bit, so the spacing and every left edge fit an int.
    const int spacing = static_cast<int>(roundHalfEven((request.plotWidth - 10) / 12.0));
    for (int i = kTimeLabels - 1; i >= 0; --i) {
        const auto n = static_cast<size_t>(i);
        TimeLabelPlacement& t = layout.timeLabels[n];
        t.top = TimeLabelTop(i, request.graphHeight);
        t.left = spacing * i + 35;
        t.width = kTimeLabelWidth;
        t.caption = view.TimeLabelText[n];

        DateLabelPlacement& d = layout.dateLabels[n];
        d.top = request.graphHeight + 42;
        d.left = spacing * i + 30;
        d.width = kDateLabelWidth;
        if (!view.DateLabelText[n].empty()) {
            d.caption = DayMonth(view.DateLabelText[n]);
            d.visible = true;
            d.colour = kDateLabelRed;
        }
    }
    view.TimeAxis = computeTimeAxis(request, view.HourOffsetRecords);
    return layout;
}

} // namespace osk
