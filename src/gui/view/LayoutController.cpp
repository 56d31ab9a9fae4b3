#include "view/LayoutController.h"

#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/WindowOperations.h"
#include "graph/PictureBox.h"
#include "view/LayoutGeometry.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace osk {

LayoutController::LayoutController(QMainWindow& window, MainWindowControls& controls,
                                   ProgramState& state, WindowOperations& operations)
    : window_(window), c_(controls), state_(state), operations_(operations) {}

void LayoutController::install() {
    keepMinimumSize();
    c_.client->installEventFilter(this);
    window_.installEventFilter(this);
}

QSize LayoutController::frameExtra() const {
    const QSize outer = window_.frameGeometry().size();
    const QSize inner = window_.size();
    return {std::max(0, outer.width() - inner.width()),
            std::max(0, outer.height() - inner.height())};
}

QSize LayoutController::pixelsForOuterTwips(int widthTwips, int heightTwips) const {
    const QSize frame = frameExtra();
    return {std::max(1, pixelsForTwips(widthTwips, window_.logicalDpiX()) - frame.width()),
            std::max(1, pixelsForTwips(heightTwips, window_.logicalDpiY()) - frame.height())};
}

void LayoutController::keepMinimumSize() {
    // The frame is only known once the window is shown, so this is renewed on every resize.
    const QSize minimum = pixelsForOuterTwips(kMinimumWindowWidthTwips, kMinimumWindowHeightTwips);
    if (window_.minimumSize() != minimum)
        window_.setMinimumSize(minimum);
}

void LayoutController::setOuterSizeTwips(int widthTwips, int heightTwips) {
    window_.resize(pixelsForOuterTwips(widthTwips, heightTwips));
}

bool LayoutController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.client && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == &window_ && event->type() == QEvent::WindowStateChange) {
        // Coming back from the task bar applies the whole rule, even at an unchanged size.
        const bool minimised = window_.isMinimized();
        if (wasMinimised_ && !minimised)
            Form_Resize();
        wasMinimised_ = minimised;
    }
    return QObject::eventFilter(watched, event);
}

void LayoutController::Form_Resize() {
    if (window_.isMinimized())
        return;
    keepMinimumSize();
    // Window managers may ignore the minimum; the window then grows back to it (the new size
    // runs this rule again).
    const QSize outer = window_.frameGeometry().size();
    const double outerWidthTwips = twipsForPixels(outer.width(), window_.logicalDpiX());
    const double outerHeightTwips = twipsForPixels(outer.height(), window_.logicalDpiY());
    if (outerWidthTwips < kMinimumWindowWidthTwips || outerHeightTwips < kMinimumWindowHeightTwips)
        window_.resize(window_.size().expandedTo(window_.minimumSize()));

    const MainWindowLayout l = layoutForClient(c_.client->width(), c_.client->height());
    c_.pGraph->setGeometry(l.pGraph.left, l.pGraph.top, l.pGraph.width, l.pGraph.height);
    c_.Frame5->move(c_.Frame5->x(), l.Frame5Top);
    c_.Legenda->move(l.LegendaLeft, l.LegendaTop);
    c_.lblLegendaTitle->move(l.lblLegendaTitleLeft, l.lblLegendaTitleTop);
    c_.Line1->setGeometry(0, 0, l.Line1Width, c_.Line1->height());
    c_.lblRecords->move(c_.lblRecords->x(), l.lblRecordsTop);

    if (!state_.records.FileLoaded)
        return;
    operations_.BuildTimeAxis(operations_.plotOuterWidth());
    operations_.BuildValueLabels(valueLabelHeight(operations_, ValueLabelHeight::PlotInner));
    operations_.requestRedraw();
}

} // namespace osk
