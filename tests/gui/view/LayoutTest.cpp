#include "gui/app/ProgramFixture.h"

#include "graph/PictureBox.h"
#include "view/LayoutGeometry.h"

#include <QFrame>
#include <QLabel>

namespace osk::test {
namespace {

TEST(LayoutGeometry, TwipsBecomeEnoughWholePixels) {
    struct Case {
        int twips;
        double dpi;
        int pixels;
    };
    // Rounded up, never below nothing; no screen resolution gives no pixels.
    const Case cases[] = {{10000, 96, 667}, {15, 96, 1},  {16, 96, 2},
                          {10000, 144, 1000}, {-15, 96, 0}, {10000, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(pixelsForTwips(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    EXPECT_DOUBLE_EQ(twipsForPixels(667, 96), 10005);
    EXPECT_DOUBLE_EQ(twipsForPixels(10, 0), 0);
}

class LayoutTest : public LogWindowFixture {
protected:
    // The placement rule's result, checked against the client area as it is now.
    void expectPlacedForClient() {
        const MainWindowLayout l = layoutForClient(c->client->width(), c->client->height());
        EXPECT_EQ(c->pGraph->geometry(),
                  QRect(l.pGraph.left, l.pGraph.top, l.pGraph.width, l.pGraph.height));
        EXPECT_EQ(c->Frame5->y(), l.Frame5Top);
        EXPECT_EQ(c->Legenda->pos(), QPoint(l.LegendaLeft, l.LegendaTop));
        EXPECT_EQ(c->lblRecords->y(), l.lblRecordsTop);
        EXPECT_EQ(c->Line1->width(), c->client->width());
    }
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

} // namespace
} // namespace osk::test
