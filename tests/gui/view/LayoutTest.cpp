#include "gui/logdata/LogWindowFixture.h"

#include "graph/PictureBox.h"
#include "view/LayoutGeometry.h"

#include <QFrame>
#include <QLabel>

namespace osk::test {
namespace {

TEST(LayoutGeometry, PlotLegendAndPanelFollowTheClientArea) {
    struct Case {
        int w, h;
        PixelRect plot;
        int frame5Top, legendLeft, recordsTop;
    };
    const Case cases[] = {
        {800, 600, {44, 8, 640, 360}, 418, 694, 580},
        {661, 510, {44, 8, 501, 270}, 328, 555, 490},
        // Smaller than the margins: the plot shrinks to nothing, never below.
        {100, 100, {44, 8, 0, 0}, 58, 54, 80},
    };
    for (const Case& c : cases) {
        const MainWindowLayout l = layoutForClient(c.w, c.h);
        EXPECT_EQ(l.pGraph.left, c.plot.left);
        EXPECT_EQ(l.pGraph.top, c.plot.top);
        EXPECT_EQ(l.pGraph.width, c.plot.width) << c.w;
        EXPECT_EQ(l.pGraph.height, c.plot.height) << c.h;
        EXPECT_EQ(l.Frame5Top, c.frame5Top);
        EXPECT_EQ(l.LegendaLeft, c.legendLeft);
        EXPECT_EQ(l.LegendaTop, 18);
        EXPECT_EQ(l.lblLegendaTitleLeft, c.legendLeft);
        EXPECT_EQ(l.lblLegendaTitleTop, 0);
        EXPECT_EQ(l.Line1Width, c.w);
        EXPECT_EQ(l.lblRecordsTop, c.recordsTop);
    }
}

TEST(LayoutGeometry, TwipsBecomeEnoughWholePixels) {
    struct Case {
        int twips;
        double dpi;
        int pixels;
    };
    const Case cases[] = {
        {10000, 96, 667},  {8000, 96, 534},    {7500, 96, 500}, {15, 96, 1},  {16, 96, 2},
        {10000, 120, 834}, {10000, 144, 1000}, {0, 96, 0},      {-15, 96, 0}, {10000, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pixelsForTwips(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    EXPECT_DOUBLE_EQ(twipsForPixels(667, 96), 10005);
    EXPECT_DOUBLE_EQ(twipsForPixels(10, 0), 0);
}

class LayoutTest : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        graph = c->pGraph;
        client = c->client;
    }

    // The placement rule's result, checked against the client area as it is now.
    void expectPlacedForClient() {
        const MainWindowLayout l = layoutForClient(client->width(), client->height());
        EXPECT_EQ(graph->geometry(),
                  QRect(l.pGraph.left, l.pGraph.top, l.pGraph.width, l.pGraph.height));
        EXPECT_EQ(c->Frame5->y(), l.Frame5Top);
        EXPECT_EQ(c->Legenda->pos(), QPoint(l.LegendaLeft, l.LegendaTop));
        EXPECT_EQ(c->lblLegendaTitle->pos(), QPoint(l.LegendaLeft, 0));
        EXPECT_EQ(c->lblRecords->y(), l.lblRecordsTop);
        EXPECT_EQ(c->Line1->width(), client->width());
    }

    PictureBox* graph = nullptr;
    QWidget* client = nullptr;
};

TEST_F(LayoutTest, ShrinkingBelowTheMinimumSnapsBack) {
    window->resize(300, 200);
    const QSize outer = window->frameGeometry().size();
    EXPECT_GE(twipsForPixels(outer.width(), window->logicalDpiX()), 10000);
    EXPECT_GE(twipsForPixels(outer.height(), window->logicalDpiY()), 8000);
    EXPECT_LT(twipsForPixels(outer.width() - 1, window->logicalDpiX()), 10000);
    expectPlacedForClient();
}

TEST_F(LayoutTest, WhileMinimisedNothingMovesAndTheRestorePlacesEverything) {
    window->resize(800, 650);
    const QRect before = graph->geometry();
    window->showMinimized();
    window->resize(1000, 760);
    EXPECT_EQ(graph->geometry(), before);
    window->showNormal();
    EXPECT_NE(graph->geometry(), before);
    expectPlacedForClient();
    // Without a log the resize draws nothing.
    const QImage& plot = graph->surface().image();
    EXPECT_EQ(pixelsOf(graph, Qt::white), plot.width() * plot.height());
}

TEST_F(LayoutTest, AResizeWithALogRebuildsTheAxesAndRedraws) {
    openLog(720, "2026-12-01 08:00:00");
    window->resize(1000, 760);
    expectPlacedForClient();

    const QColor product(128, 0, 128);
    // Two hours of a 48-hour window on the new picture: a line at least 35 pixels long.
    EXPECT_GT(pixelsOf(graph, product), 35);
    EXPECT_GT(pixelsOf(c->Legenda, product), 0);
    // The newest records end at 09:59:50: the last time label is the next full hour.
    EXPECT_EQ(c->lblScaleXas[12]->text(), QStringLiteral("10:00"));
    EXPECT_EQ(c->lblScaleXas[12]->y(), graph->height() + 12);
    EXPECT_EQ(c->lblScale[0]->text(), QStringLiteral("150.0"));
    EXPECT_EQ(c->lblScale[10]->text(), QStringLiteral("0.0"));
    EXPECT_DOUBLE_EQ(state.view.TimeAxis.PixelsPerRecord,
                     graph->width() / state.view.TimeAxis.SpanRecords);
    EXPECT_DOUBLE_EQ(state.view.ValueAxis.PixelsPerUnit,
                     (graph->height() - 2 * PictureBox::kBorder) / 150.0);
}

} // namespace
} // namespace osk::test
