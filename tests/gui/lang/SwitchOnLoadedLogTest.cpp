// Language and product-system switches while a log is shown, scrolled back from its newest
// records: the lists are filled anew in the other texts, and the view stays where the user
// left it, drawn once.
#include "gui/app/ProgramFixture.h"

#include <QCheckBox>

#include <string>
#include <vector>

namespace osk::test {
namespace {

// What the user set and sees of the time window and grid.
struct ViewSnapshot {
    int32_t viewEnd;
    int scroller, span, gridInterval, gridStep;
    double gridStepPixels, spanRecords;
    std::vector<std::string> timeLabels;
    bool operator==(const ViewSnapshot&) const = default;
};

class SwitchOnLoadedLog : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        openLog(6000);                   // 16 hours 40 minutes
        c->Xas->setCurrentIndex(4);      // 12 hours
        c->cmbGridX->setCurrentIndex(3); // 30 minutes
        c->hsGridY->setValue(35);
        for (int i = 0; i < 3; ++i)
            c->hscGraphScroller->triggerAction(QAbstractSlider::SliderSingleStepSub);
        ASSERT_LT(state.records.ViewEndRecord, 6000 - 2 * 360) << "scrolled back three hours";
    }
    ViewSnapshot snapshot() const {
        ViewSnapshot s{state.records.ViewEndRecord,
                       c->hscGraphScroller->value(),
                       c->Xas->currentIndex(),
                       c->cmbGridX->currentIndex(),
                       c->hsGridY->value(),
                       state.view.GridStepPixelsY,
                       state.view.TimeAxis.SpanRecords,
                       {}};
        for (size_t i = 0; i < 13; ++i)
            s.timeLabels.push_back(timeLabel(i));
        return s;
    }
};

TEST_F(SwitchOnLoadedLog, KeepsTheWindowSpanAndGridWithOneRedraw) {
    const struct {
        const char* entry;
        const char* spanText; // Xas shows the span in the texts now in use
    } switches[] = {
        {"mnuNed", nullptr},      {"mnuPeroxide", nullptr},       {"mnuEng", "12 Hour"},
        {"mnuTarvox", "12 Hour"}, {"mnuFreeChlorine", "12 Hour"},
    };
    const ViewSnapshot before = snapshot();
    for (const auto& s : switches) {
        SCOPED_TRACE(s.entry);
        const int64_t redrawn = redraws();
        action(s.entry)->trigger();
        EXPECT_EQ(redraws(), redrawn + 1);
        EXPECT_TRUE(state.records.FileLoaded);
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(c->Xas->isEnabled());
        if (s.spanText)
            EXPECT_EQ(c->Xas->currentText().toStdString(), s.spanText);
        else
            EXPECT_TRUE(c->Xas->currentText().startsWith(QStringLiteral("12 ")));
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
} // namespace osk::test
