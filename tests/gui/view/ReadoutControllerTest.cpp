// The read-out's pop-up as the user meets it: a press on the drawn plot of an opened log. Which
// point a press hits and what the lines say are the core's; here is where and how big the
// pop-up is.
#include "gui/app/ProgramFixture.h"

#include <string>

namespace osk::test {
namespace {

// Six records ten minutes apart, so that their points lie well apart on a 3-hour span; only
// the product value (column 10) varies, and record 3 lies at the bottom of the scale.
std::string sixRecordLog() {
    std::string log = "Record,Date,Time,DateTime,Status,c6,c7,c8,c9,Product\r\n";
    const char* const product[] = {"40", "41.5", "0", "44.75", "46", "47.25"};
    for (int i = 0; i < 6; ++i) {
        const std::string clock = "10:" + std::to_string(i) + "0:00";
        log += std::to_string(i + 1) + ",2024-03-01," + clock + ",2024-03-01 " + clock +
               ",0,80,20,50,30," + product[i] + "\r\n";
    }
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

} // namespace
} // namespace osk::test
