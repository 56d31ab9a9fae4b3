// The view controls round the plot: the window's layout, the value scale bars, the read-out's
// pop-up and the look of the bars while disabled.
#include "gui/app/ProgramFixture.h"

#include "view/LayoutGeometry.h"

#include <QFrame>
#include <QGroupBox>
#include <QTest>

namespace osk::test {
namespace {

TEST(LayoutGeometry, TwipsBecomeEnoughWholePixels) {
    // {twips, dpi, pixels}: rounded up, never below nothing; no screen resolution gives no pixels.
    const std::tuple<int, double, int> cases[] = {{10000, 96, 667},   {15, 96, 1},  {16, 96, 2},
                                                  {10000, 144, 1000}, {-15, 96, 0}, {10000, 0, 0}};
    for (const auto& [twips, dpi, pixels] : cases)
        EXPECT_EQ(pixelsForTwips(twips, dpi), pixels) << twips << " at " << dpi;
    EXPECT_DOUBLE_EQ(twipsForPixels(667, 96), 10005);
    EXPECT_DOUBLE_EQ(twipsForPixels(10, 0), 0);
}

class LayoutTest : public LogWindowFixture {
protected:
    // The placement rule's result, checked against the client area as it is now.
    void expectPlacedForClient() {
        const MainWindowLayout l = layoutForClient(c->client->width(), c->client->height());
        EXPECT_EQ(std::tuple(c->pGraph->geometry(), c->Frame5->y(), c->Legenda->pos(),
                             c->lblRecords->y(), c->Line1->width()),
                  std::tuple(QRect(l.pGraph.left, l.pGraph.top, l.pGraph.width, l.pGraph.height),
                             l.Frame5Top, QPoint(l.LegendaLeft, l.LegendaTop), l.lblRecordsTop,
                             c->client->width()));
    }
};

// Shrinking below the minimum snaps back; while minimised nothing moves, and the restore places
// everything.
TEST_F(LayoutTest, TheWindowIsPlacedForItsClientAreaWhenShownAtAnySize) {
    window->resize(300, 200);
    const QSize outer = window->frameGeometry().size();
    EXPECT_GE(twipsForPixels(outer.width(), window->logicalDpiX()), 10000);
    EXPECT_GE(twipsForPixels(outer.height(), window->logicalDpiY()), 8000);
    EXPECT_LT(twipsForPixels(outer.width() - 1, window->logicalDpiX()), 10000);
    expectPlacedForClient();

    window->resize(800, 650);
    const QRect before = c->pGraph->geometry();
    window->showMinimized();
    window->resize(1000, 760);
    EXPECT_EQ(c->pGraph->geometry(), before);
    window->showNormal();
    EXPECT_NE(c->pGraph->geometry(), before);
    expectPlacedForClient();
    // Without a log the resize draws nothing.
    const QImage& plot = c->pGraph->surface().image();
    EXPECT_EQ(pixelsOf(c->pGraph, Qt::white), plot.width() * plot.height());

    // With one, the picture is drawn anew at the new size.
    openLog(720, "2026-12-01 08:00:00");
    window->resize(900, 700);
    expectPlacedForClient();
    EXPECT_GT(pixelsOf(c->pGraph, QColor(128, 0, 128)), 35);
    EXPECT_EQ(c->lblScaleXas[12]->y(), c->pGraph->height() + 12);
}

// A loaded log on the product scale 0..150 with grid step 15.
class ValueScale : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        openLog(2000);
    }
    void expectScale(int min, int max) {
        const QString lo = QString::number(min), hi = QString::number(max);
        EXPECT_EQ(QStringList({c->lblMin[0]->text(), c->lblMin[1]->text(), c->lblScale[0]->text(),
                               c->lblScale[10]->text()}),
                  QStringList({lo, hi, hi + ".0", lo + ".0"}));
        EXPECT_EQ(std::tuple(c->vscScaleMin->value(), c->vscScaleMax->value(),
                             state.view.ValueAxis.Min, state.view.ValueAxis.Max),
                  std::tuple(min, max, double(min), double(max)));
    }
};

TEST_F(ValueScale, TheGridStepCaptionFollowsADragAndThePlotWaitsForTheRelease) {
    QScrollBar* grid = c->hsGridY;
    const int64_t before = redraws();
    grid->setSliderDown(true);
    grid->setSliderPosition(30);
    EXPECT_EQ(std::tuple(c->lblYValue->text(), redraws()), std::tuple(QString("30"), before));
    grid->setSliderDown(false);
    EXPECT_EQ(std::tuple(c->lblYValue->text(), redraws()), std::tuple(QString("30"), before + 1));
    EXPECT_DOUBLE_EQ(state.view.GridStepPixelsY, 30 * state.view.ValueAxis.PixelsPerUnit);
}

TEST_F(ValueScale, TheValueBarsMoveTheWayTheirThumbsShow) {
    QScrollBar* upper = c->vscScaleMax;
    upper->setFocus();
    QTest::keyClick(upper, Qt::Key_Up);
    expectScale(0, 151);
    QTest::keyClick(upper, Qt::Key_PageUp);
    expectScale(0, 161);
    QTest::keyClick(upper, Qt::Key_Down);
    expectScale(0, 160);
    const int64_t before = redraws();
    // The top arrow.
    QTest::mouseClick(upper, Qt::LeftButton, {},
                      scrollBarPart(*upper, QStyle::SC_ScrollBarSubLine).center());
    expectScale(0, 161);
    EXPECT_EQ(redraws(), before + 1);
}

// The read-out's pop-up as the user meets it: a press on the drawn plot of an opened log. Which
// point a press hits and what the lines say are the core's; here is where and how big the
// pop-up is.
// Six records ten minutes apart, so that their points lie well apart on a 3-hour span; only
// the product value (column 10) varies, and record 3 lies at the bottom of the scale.
std::string sixRecordLog() {
    std::string log = "Record,Date,Time,DateTime,Status,c6,c7,c8,c9,Product\r\n";
    const char* const product[] = {"40", "41.5", "0", "44.75", "46", "47.25"};
    for (int i = 0; i < 6; ++i)
        log += std::to_string(i + 1) + ",d,t,2024-03-01 10:" + std::to_string(i) +
               "0:00,0,80,20,50,30," + product[i] + "\r\n";
    return log;
}

class ReadoutWindow : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        open(logs.write("log.csv", sixRecordLog()));
        ASSERT_TRUE(state.records.FileLoaded);
        c->Xas->setCurrentIndex(c->Xas->count() - 1); // the shortest span
    }
    // Where record k's product point was drawn, in picture pixels.
    QPoint pointOf(int32_t record) const {
        const PlotPointTable& p = state.render.PlotPoints;
        return {p.at(record, 0), p.at(record, 1)};
    }
    // The pop-up's place after a press on p, relative to p.
    QPoint popupAfterPressOn(QPoint p) {
        plotMouse(QEvent::MouseButtonPress, p);
        EXPECT_TRUE(c->ToolTipje->isVisibleTo(c->pGraph));
        return c->ToolTipje->pos() - p - QPoint(PictureBox::kBorder, PictureBox::kBorder);
    }
};

// At the cursor, or left of it near the right edge and above it near the bottom; always of a
// fixed height that holds the four lines and not a fifth, gone at the release.
TEST_F(ReadoutWindow, ThePopUpHoldsItsLinesAndStaysInsideThePlot) {
    const QLabel& tip = *c->ToolTipje;
    EXPECT_EQ(popupAfterPressOn(pointOf(4)), QPoint(0, 0));
    // The label breaks lines at LF alone: the read-out's CR LF must not reach it.
    EXPECT_TRUE(tip.text().count(u'\n') == 3 && !tip.text().contains(u'\r'));
    EXPECT_EQ(tip.minimumHeight(), tip.maximumHeight());
    EXPECT_GE(tip.height(), tip.sizeHint().height());
    EXPECT_LT(tip.height(), tip.sizeHint().height() + tip.fontMetrics().lineSpacing());
    plotMouse(QEvent::MouseButtonRelease, pointOf(4));
    EXPECT_FALSE(tip.isVisibleTo(c->pGraph));

    ASSERT_GT(pointOf(6).x() + tip.width(), c->pGraph->width());
    EXPECT_EQ(popupAfterPressOn(pointOf(6)), QPoint(-tip.width(), 0));
    ASSERT_GT(pointOf(3).y() + tip.height(), c->pGraph->height() - 2 * PictureBox::kBorder);
    EXPECT_EQ(popupAfterPressOn(pointOf(3)), QPoint(0, -tip.height()));
}

// Pixels of the thumb that differ between the bar enabled and disabled; the bar is left as it
// was found.
int thumbPixelsChangedByDisabling(QScrollBar& bar) {
    const bool wasEnabled = bar.isEnabled();
    const QRect thumb = scrollBarPart(bar, QStyle::SC_ScrollBarSlider);
    EXPECT_FALSE(thumb.isEmpty());
    bar.setEnabled(true);
    const QImage enabled = bar.grab().toImage().copy(thumb);
    bar.setEnabled(false);
    const QImage disabled = bar.grab().toImage().copy(thumb);
    bar.setEnabled(wasEnabled);
    return differingPixels(enabled, disabled);
}

using DisabledBarLook = LogWindowFixture;

TEST_F(DisabledBarLook, ValueBarsWithoutALogShowAFadedThumbLikeAnOrdinaryBar) {
    QScrollBar ordinary(Qt::Vertical, c->Frame2);
    ordinary.setRange(0, 1200);
    ordinary.setPageStep(10);
    ordinary.setGeometry(c->vscScaleMin->geometry());
    EXPECT_GT(thumbPixelsChangedByDisabling(ordinary), 0);

    for (QScrollBar* bar : {c->vscScaleMax, c->vscScaleMin, c->vscGraphScroller}) {
        SCOPED_TRACE(bar->objectName().toStdString());
        ASSERT_FALSE(bar->isEnabled());
        ASSERT_TRUE(bar->invertedAppearance());
        const QSize thumb = scrollBarPart(*bar, QStyle::SC_ScrollBarSlider).size();
        EXPECT_GT(thumbPixelsChangedByDisabling(*bar), thumb.width() * thumb.height() / 2);
    }
    // The time scroll bar, disabled as well until a log is drawn, alike.
    EXPECT_FALSE(c->hscGraphScroller->isEnabled());
    EXPECT_GT(thumbPixelsChangedByDisabling(*c->hscGraphScroller), 0);
}

} // namespace
} // namespace osk::test
