// A log across the end of summer time: the companion's clock goes back one hour, so the record
// after 02:59:50 is stamped 02:00:00 again and one hour of times comes twice.
#include "gui/app/ProgramFixture.h"

#include <QRegularExpression>

namespace osk::test {
namespace {

class RobustClockBack : public LogWindowFixture {
protected:
    // Records 10 seconds apart from midnight; record 1080 is 02:59:50, 1081 is 02:00:00.
    static constexpr int64_t kRecords = 8640 + 360;
    static constexpr int32_t kBackAfter = 1080;

    void SetUp() override {
        LogWindowFixture::SetUp();
        open(logs.write("log.csv", generatedLog(kRecords, "2024-10-27 00:00:00", [](auto& o) {
                            o.gapAfter = kBackAfter;
                            o.gapMinutes = -60;
                        })));
        ASSERT_EQ(state.records.RecordCount, kRecords);
        ASSERT_EQ(state.records.RecordTime[kBackAfter + 1], "2024-10-27 02:00:00");
        c->Xas->setCurrentIndex(c->Xas->findText(QStringLiteral("3 Hour")));
    }

    void expectWellFormedLabels() const {
        static const QRegularExpression time(QStringLiteral("^([0-9]{1,2}:[0-9]{2})?$"));
        static const QRegularExpression date(QStringLiteral("^[0-9]{2}-[0-9]{2}$"));
        for (size_t i = 0; i < c->lblScaleXas.size(); ++i) {
            EXPECT_TRUE(time.match(c->lblScaleXas[i]->text()).hasMatch())
                << "view end " << state.records.ViewEndRecord << ": " << timeLabel(i);
            EXPECT_TRUE(c->lblDataXas[i]->isHidden() ||
                        date.match(c->lblDataXas[i]->text()).hasMatch())
                << dateLabel(i);
        }
    }

    // Presses the arrow until the window stops moving; how many presses moved it.
    int scrollToTheEnd(QAbstractSlider::SliderAction arrow) {
        QScrollBar* bar = c->hscGraphScroller;
        for (int moves = 0; moves < 100; ++moves) {
            const int32_t before = state.records.ViewEndRecord;
            bar->triggerAction(arrow);
            expectWellFormedLabels();
            if (state.records.ViewEndRecord == before)
                return moves;
            EXPECT_EQ(bar->value(), state.records.ViewEndRecord);
        }
        ADD_FAILURE() << "the window still moves after 100 presses";
        return -1;
    }
};

// Each press moves to the neighbouring hour, across the repeated one, from the newest end to
// the oldest and back; forward, the first record of each hour and then the newest end.
TEST_F(RobustClockBack, HourScrollCrossesTheRepeatedHourBothWays) {
    expectWellFormedLabels();
    EXPECT_EQ(state.records.ViewEndRecord, kRecords);
    const int back = scrollToTheEnd(QAbstractSlider::SliderSingleStepSub);
    // The oldest window ends with the first hour.
    EXPECT_EQ(std::tuple(state.records.ViewEndRecord, timeLabel(12)), std::tuple(360, "1:00"));
    EXPECT_GT(state.render.DrawnNewest, state.render.DrawnOldest);
    const int forward = scrollToTheEnd(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(std::tuple(forward, state.records.ViewEndRecord), std::tuple(back + 1, kRecords));
    EXPECT_GT(state.render.DrawnNewest, state.render.DrawnOldest);
}

} // namespace
} // namespace osk::test
