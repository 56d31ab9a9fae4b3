#include "view/ReadoutController.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtAdapter.h"
#include "graph/PictureBox.h"
#include "graph/PlotRedraws.h"
#include "graph/ProductSystem.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QStringList>

namespace osk {

namespace {

// Lines of the pop-up: name, time, date and value.
constexpr int kReadoutLines = 4;
// A pixel font of this size keeps most characters within the six pixels per character that
// the pop-up's width allows.
constexpr int kReadoutFontPixels = 10;
constexpr int kReadoutMargin = 1;
constexpr QRgb kReadoutBack = qRgb(255, 255, 225);

} // namespace

ReadoutController::ReadoutController(MainWindowControls& controls, const ProgramState& state,
                                     SettingsStore& settings)
    : c_(controls), state_(state), settings_(settings) {}

void ReadoutController::install() {
    QLabel& tip = *c_.ToolTipje;
    QFont font = tip.font();
    font.setPixelSize(kReadoutFontPixels);
    tip.setFont(font);
    QPalette p = tip.palette();
    p.setColor(QPalette::Window, QColor::fromRgb(kReadoutBack));
    p.setColor(QPalette::WindowText, Qt::black);
    tip.setPalette(p);
    tip.setAutoFillBackground(true);
    tip.setFrameShape(QFrame::Box);
    tip.setTextFormat(Qt::PlainText);
    tip.setWordWrap(false);
    tip.setMargin(kReadoutMargin);
    // A framed label would otherwise indent its text from the top too, hiding the last line.
    tip.setIndent(0);
    tip.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The press goes to the plot even where the pop-up of an earlier press was.
    tip.setAttribute(Qt::WA_TransparentForMouseEvents);
    // As high as the label itself lays out four lines: its line step is not a whole number of
    // pixels, so the font's rounded line spacing would cut the last line.
    QStringList sample;
    for (int i = 0; i < kReadoutLines; ++i)
        sample << QStringLiteral("Xg");
    tip.setText(sample.join(QLatin1Char('\n')));
    tip.setFixedHeight(tip.sizeHint().height());
    tip.clear();
    tip.hide();
}

void ReadoutController::connectCommands(QObject& context) {
    connectGuarded(c_.pGraph, &PictureBox::mousePressed, context,
                   [this](int, int x, int y) { pGraph_MouseDown(x, y); });
    connectGuarded(c_.pGraph, &PictureBox::mouseReleased, context, [this] { pGraph_MouseUp(); });
}

ReadoutRequest ReadoutController::request(int x, int y) const {
    ReadoutRequest r;
    r.x = x;
    r.y = y;
    r.graphOuterWidth = c_.pGraph->width();
    r.graphInnerHeight = c_.pGraph->height() - 2 * PictureBox::kBorder;
    r.popupHeight = c_.ToolTipje->height();
    r.decimalSeparator = decimalSeparator();
    r.productTextIndex = ProductTextIndex(settings_);
    return r;
}

void ReadoutController::pGraph_MouseDown(int x, int y) {
    apply(ShowReadout(state_.records, state_.render.PlotPoints, state_.texts, request(x, y)));
}

void ReadoutController::pGraph_MouseUp() {
    c_.ToolTipje->hide();
}

void ReadoutController::apply(const ReadoutResult& result) {
    switch (result.outcome) {
    case ReadoutOutcome::NoFile:
        return;
    case ReadoutOutcome::Miss:
        c_.ToolTipje->hide();
        c_.lblRecords->clear();
        return;
    case ReadoutOutcome::NoEntry:
        c_.ToolTipje->hide();
        return;
    case ReadoutOutcome::Show:
        break;
    }
    QLabel& tip = *c_.ToolTipje;
    tip.hide();
    // The lines are joined with CR LF; a label breaks its lines at LF alone.
    QString text = QString::fromStdString(result.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tip.setText(text);
    // The read-out places the pop-up in picture pixels; the label sits inside pGraph's border.
    tip.setGeometry(result.left + PictureBox::kBorder, result.top + PictureBox::kBorder,
                    result.width, tip.height());
    tip.show();
    tip.raise();
    c_.lblRecords->setText(QString::fromStdString(result.recordsCaption));
}

} // namespace osk
