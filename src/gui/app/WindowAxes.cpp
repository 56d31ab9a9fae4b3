#include "app/WindowAxes.h"

#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtAdapter.h"
#include "common/Numbers.h"
#include "graph/PictureBox.h"
#include "view/TimeAxisBuilder.h"
#include "view/TimeLabels.h"
#include "view/ValueScale.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

#include <vector>

namespace osk {

namespace {

void setTextColour(QLabel& label, uint32_t rgb) {
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, toQColor(rgb));
    label.setPalette(p);
}

} // namespace

WindowAxes::WindowAxes(MainWindowControls& controls, ProgramState& state, ProgramServices& services)
    : c_(controls), state_(state), services_(services) {}

void WindowAxes::BuildTimeAxis(int plotWidth) {
    const std::optional<int16_t> width = roundToInt16(plotWidth);
    const std::optional<int16_t> graphHeight = roundToInt16(c_.pGraph->height());
    if (!width || !graphHeight)
        return;
    // The label step is found by comparing the selection with the list's own items.
    std::vector<std::string> items;
    for (int i = 0; i < c_.Xas->count(); ++i)
        items.push_back(c_.Xas->itemText(i).toStdString());
    const std::string selected = c_.Xas->currentText().toStdString();

    const RecordTable& records = state_.records;
    TimeAxisRequest request;
    request.RecordTime = records.RecordTime;
    request.ViewEndRecord = records.ViewEndRecord;
    request.RecordCount = records.RecordCount;
    request.XasText = selected;
    request.spanItemTexts = items;
    request.plotWidth = *width;
    request.graphHeight = *graphHeight;
    const TimeAxisLayout layout = osk::BuildTimeAxis(state_.view, request);
    if (layout.timeFault)
        services_.dialogs.message(kTimeFaultMessage, MessageIcon::Critical, kTimeFaultTitle);

    for (size_t i = 0; i < layout.timeLabels.size(); ++i) {
        const TimeLabelPlacement& t = layout.timeLabels[i];
        QLabel* time = c_.lblScaleXas[i];
        time->setGeometry(t.left, t.top, t.width, time->height());
        time->setText(QString::fromStdString(t.caption));

        const DateLabelPlacement& d = layout.dateLabels[i];
        QLabel* date = c_.lblDataXas[i];
        date->setGeometry(d.left, d.top, d.width, date->height());
        date->setText(QString::fromStdString(d.caption));
        setTextColour(*date, d.colour);
        date->setVisible(d.visible);
    }
}

void WindowAxes::BuildValueLabels(int labelHeight) {
    const ScaleBars bars = RepairScaleBars(c_.vscScaleMax->value(), c_.vscScaleMin->value());
    if (bars.maxChanged)
        c_.vscScaleMax->setValue(bars.scaleMax);
    if (bars.minChanged)
        c_.vscScaleMin->setValue(bars.scaleMin);

    const ValueLabels labels = osk::BuildValueLabels(labelHeight, c_.vscScaleMax->value(),
                                                     c_.vscScaleMin->value(), decimalSeparator());
    for (size_t i = 0; i < labels.labels.size(); ++i) {
        const ValueLabel& v = labels.labels[i];
        QLabel* label = c_.lblScale[i];
        label->move(v.left, v.top);
        label->setText(QString::fromStdString(v.caption));
    }
    state_.view.ValueAxis = labels.ValueAxis;
}

} // namespace osk
