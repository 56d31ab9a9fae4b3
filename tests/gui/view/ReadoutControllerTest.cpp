// The read-out as the user meets it: a press on the drawn plot of an opened log.
#include "gui/app/ProgramFixture.h"

#include "app/MainWindowControls.h"
#include "graph/PictureBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QStringList>

#include <ostream>
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

class ReadoutWindow : public ProgramFixture {
protected:
    void SetUp() override { installBothLanguages(); }

    void startWith(const char* system) {
        storeSettings("english.lng", "True", system);
        startAfterDialog();
        c = &window->controls();
    }
    void openSixRecords() {
        dialogs.chooseFile(logs.write("log.csv", sixRecordLog()).string());
        c->mnuOpenFile->trigger();
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

    // Mouse buttons on pGraph, at picture pixels as the read-out counts them.
    void mouse(QEvent::Type type, QPoint picture) {
        const QPointF local = picture + QPoint(PictureBox::kBorder, PictureBox::kBorder);
        QMouseEvent event(type, local, c->pGraph->mapToGlobal(local), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(c->pGraph, &event);
    }
    void press(QPoint p) { mouse(QEvent::MouseButtonPress, p); }
    void release(QPoint p) { mouse(QEvent::MouseButtonRelease, p); }

    bool popupShown() const { return c->ToolTipje->isVisibleTo(c->pGraph); }
    QStringList popupLines() const { return c->ToolTipje->text().split(QLatin1Char('\n')); }
    QString records() const { return c->lblRecords->text(); }

    TempDir logs;
    const MainWindowControls* c = nullptr;
};

TEST_F(ReadoutWindow, PressOnAPointShowsItsFourLinesAndRecordNumber) {
    startWith("Chloor");
    openSixRecords();
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

    release(p);
    EXPECT_FALSE(popupShown());
    EXPECT_EQ(records(), QStringLiteral("record nr. 4"));
}

// The pop-up's fixed height holds its four lines, whatever they say, and not a fifth.
TEST_F(ReadoutWindow, PopupHoldsItsFourLinesAtAFixedHeight) {
    startWith("Chloor");
    openSixRecords();
    QLabel& tip = *c->ToolTipje;
    EXPECT_EQ(tip.minimumHeight(), tip.maximumHeight());
    press(pointOf(2));
    ASSERT_EQ(popupLines().size(), 4);
    EXPECT_GE(tip.height(), tip.sizeHint().height());
    EXPECT_LT(tip.height(), tip.sizeHint().height() + tip.fontMetrics().lineSpacing());
}

// Strictly within five pixels in each direction; a miss clears the record caption.
struct Offset {
    QPoint by;
    bool hits;
    friend void PrintTo(const Offset& o, std::ostream* os) {
        *os << "(" << o.by.x() << ", " << o.by.y() << ")" << (o.hits ? " hits" : " misses");
    }
};

class ReadoutDistance : public ReadoutWindow, public ::testing::WithParamInterface<Offset> {};

TEST_P(ReadoutDistance, HitsOnlyStrictlyWithinFivePixels) {
    startWith("Chloor");
    openSixRecords();
    const QPoint p = pointOf(3);
    press(pointOf(5)); // an earlier read-out: its caption stays only when the next press hits
    release(pointOf(5));

    press(p + GetParam().by);
    EXPECT_EQ(popupShown(), GetParam().hits);
    EXPECT_EQ(records(), GetParam().hits ? QStringLiteral("record nr. 3") : QString());
}

INSTANTIATE_TEST_SUITE_P(AroundAPoint, ReadoutDistance,
                         ::testing::Values(Offset{{4, 0}, true}, Offset{{5, 0}, false},
                                           Offset{{-4, 4}, true}, Offset{{-5, 0}, false},
                                           Offset{{0, 5}, false}, Offset{{0, -4}, true}),
                         [](const ::testing::TestParamInfo<Offset>& info) {
                             const auto part = [](int v) {
                                 return (v < 0 ? "m" : "p") + std::to_string(v < 0 ? -v : v);
                             };
                             return "x" + part(info.param.by.x()) + "y" + part(info.param.by.y());
                         });

// The product value is named after the product system in the settings.
struct SystemCase {
    const char* system;
    const char* nameLine;
    friend void PrintTo(const SystemCase& c, std::ostream* os) { *os << c.system; }
};

class ReadoutProduct : public ReadoutWindow, public ::testing::WithParamInterface<SystemCase> {};

TEST_P(ReadoutProduct, NamesTheProductOfTheSystem) {
    startWith(GetParam().system);
    openSixRecords();
    press(pointOf(2));
    ASSERT_TRUE(popupShown());
    EXPECT_EQ(popupLines().value(0), QString::fromLatin1(GetParam().nameLine));
}

INSTANTIATE_TEST_SUITE_P(Systems, ReadoutProduct,
                         ::testing::Values(SystemCase{"Chloor", "Name = Free Chlorine"},
                                           SystemCase{"Peroxide", "Name = Peroxide"},
                                           SystemCase{"Tarvox", "Name = Tarvox"}),
                         [](const ::testing::TestParamInfo<SystemCase>& info) {
                             return std::string(info.param.system);
                         });

// Near the right edge the pop-up opens left of the cursor, near the bottom above it.
TEST_F(ReadoutWindow, StaysInsideThePlotNearItsEdges) {
    startWith("Chloor");
    openSixRecords();
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
