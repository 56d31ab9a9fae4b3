// The read-out as the user meets it: a press on the drawn plot of an opened log.
#include "gui/logdata/LogWindowFixture.h"

#include <QLocale>
#include <QStringList>

#include <string>

namespace osk::test {
namespace {

// Six records ten minutes apart, so that their points lie well apart on a 3-hour span; only
// the product value (column 10) varies, and record 3 lies at the bottom of the scale.
std::string sixRecordLog() {
    std::string log = "Record,Date,Time,DateTime,Status,c6,c7,c8,c9,Product\r\n";
    const char* const clock[] = {"10:00:00", "10:10:00", "10:20:00",
                                 "10:30:00", "10:40:00", "10:50:00"};
    const char* const product[] = {"40", "41.5", "0", "44.75", "46", "47.25"};
    for (int i = 0; i < 6; ++i)
        log += std::to_string(i + 1) + ",2024-03-01," + clock[i] + ",2024-03-01 " + clock[i] +
               ",0,80,20,50,30," + product[i] + "\r\n";
    return log;
}

class ReadoutWindow : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        open(logs.write("log.csv", sixRecordLog()));
        ASSERT_TRUE(state.records.FileLoaded);
        const int span = c->Xas->findText(QStringLiteral("3 Hour"));
        ASSERT_GE(span, 0);
        c->Xas->setCurrentIndex(span);
    }

    // Where record k's product point was drawn, in picture pixels.
    QPoint pointOf(int32_t record) const {
        const PlotPointTable& p = state.render.PlotPoints;
        EXPECT_EQ(p.at(record, 2), 10) << "record " << record << " is not a product point";
        return {p.at(record, 0), p.at(record, 1)};
    }

    void press(QPoint p) { plotMouse(QEvent::MouseButtonPress, p); }
    void release(QPoint p) { plotMouse(QEvent::MouseButtonRelease, p); }

    bool popupShown() const { return c->ToolTipje->isVisibleTo(c->pGraph); }
    QStringList popupLines() const { return c->ToolTipje->text().split(QLatin1Char('\n')); }
    QString records() const { return c->lblRecords->text(); }
};

TEST_F(ReadoutWindow, PressOnAPointShowsItsFourLinesAndRecordNumber) {
    const QPoint p = pointOf(4);
    press(p);

    ASSERT_TRUE(popupShown());
    const QString separator = QLocale::system().decimalPoint();
    EXPECT_EQ(popupLines(),
              (QStringList{QStringLiteral("Name = Free Chlorine"),
                           QStringLiteral("Time =  10:30:00"), QStringLiteral("Date = 2024-03-01"),
                           QStringLiteral("Value = 44") + separator + QStringLiteral("75")}));
    EXPECT_EQ(records(), QStringLiteral("record nr. 4"));
    // Opened at the cursor (the pop-up sits inside the plot's border like the picture does).
    EXPECT_EQ(c->ToolTipje->pos(), p + QPoint(PictureBox::kBorder, PictureBox::kBorder));
    EXPECT_EQ(c->ToolTipje->width(), 6 * 20); // "Name = Free Chlorine"
    // A fixed height that holds the four lines and not a fifth.
    const QLabel& tip = *c->ToolTipje;
    EXPECT_EQ(tip.minimumHeight(), tip.maximumHeight());
    EXPECT_GE(tip.height(), tip.sizeHint().height());
    EXPECT_LT(tip.height(), tip.sizeHint().height() + tip.fontMetrics().lineSpacing());

    release(p);
    EXPECT_FALSE(popupShown());
    EXPECT_EQ(records(), QStringLiteral("record nr. 4"));
}

// Strictly within five pixels in each direction; a miss clears the record caption.
TEST_F(ReadoutWindow, HitsOnlyStrictlyWithinFivePixels) {
    const std::pair<QPoint, bool> offsets[] = {{{4, 0}, true},   {{5, 0}, false}, {{-4, 4}, true},
                                               {{-5, 0}, false}, {{0, 5}, false}, {{0, -4}, true}};
    const QPoint p = pointOf(3);
    for (const auto& [by, hits] : offsets) {
        SCOPED_TRACE(testing::Message() << "offset " << by.x() << ", " << by.y());
        press(pointOf(5)); // an earlier read-out: its caption stays only when the next press hits
        release(pointOf(5));
        press(p + by);
        EXPECT_EQ(popupShown(), hits);
        EXPECT_EQ(records(), hits ? QStringLiteral("record nr. 3") : QString());
        release(p + by);
    }
}

// The product value is named after the product system chosen.
TEST_F(ReadoutWindow, NamesTheProductOfTheSystem) {
    const std::pair<const char*, const char*> systems[] = {
        {"mnuPeroxide", "Name = Peroxide"},
        {"mnuTarvox", "Name = Tarvox"},
        {"mnuFreeChlorine", "Name = Free Chlorine"}};
    for (const auto& [command, nameLine] : systems) {
        action(command)->trigger();
        press(pointOf(2));
        ASSERT_TRUE(popupShown()) << command;
        EXPECT_EQ(popupLines().value(0), QString::fromLatin1(nameLine));
        release(pointOf(2));
    }
}

// Near the right edge the pop-up opens left of the cursor, near the bottom above it.
TEST_F(ReadoutWindow, StaysInsideThePlotNearItsEdges) {
    const QPoint newest = pointOf(6);
    ASSERT_GT(newest.x() + 6 * 20, c->pGraph->width());
    press(newest);
    ASSERT_TRUE(popupShown());
    EXPECT_EQ(c->ToolTipje->x(), newest.x() - c->ToolTipje->width() + PictureBox::kBorder);
    EXPECT_EQ(c->ToolTipje->y(), newest.y() + PictureBox::kBorder);

    const QPoint low = pointOf(3);
    ASSERT_GT(low.y() + c->ToolTipje->height(), c->pGraph->height() - 2 * PictureBox::kBorder);
    press(low);
    ASSERT_TRUE(popupShown());
    EXPECT_EQ(c->ToolTipje->x(), low.x() + PictureBox::kBorder);
    EXPECT_EQ(c->ToolTipje->y(), low.y() - c->ToolTipje->height() + PictureBox::kBorder);
}

} // namespace
} // namespace osk::test
