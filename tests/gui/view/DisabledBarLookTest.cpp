#include "gui/app/ProgramFixture.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionSlider>

namespace osk::test {
namespace {

// Where the style puts the bar's thumb.
QRect thumbOf(const QScrollBar& bar) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                       &bar);
}

// Pixels of the thumb that differ between the bar enabled and disabled; the bar is left as it
// was found.
int thumbPixelsChangedByDisabling(QScrollBar& bar) {
    const bool wasEnabled = bar.isEnabled();
    const QRect thumb = thumbOf(bar);
    EXPECT_FALSE(thumb.isEmpty());
    bar.setEnabled(true);
    const QImage enabled = bar.grab().toImage().copy(thumb);
    bar.setEnabled(false);
    const QImage disabled = bar.grab().toImage().copy(thumb);
    bar.setEnabled(wasEnabled);
    int changed = 0;
    for (int y = 0; y < enabled.height(); ++y)
        for (int x = 0; x < enabled.width(); ++x)
            changed += enabled.pixel(x, y) != disabled.pixel(x, y);
    return changed;
}

class DisabledBarLook : public ProgramFixture {
protected:
    void SetUp() override { startReturning(); }
};

TEST_F(DisabledBarLook, ValueBarsWithoutALogShowAFadedThumbLikeAnOrdinaryBar) {
    QScrollBar ordinary(Qt::Vertical, c->Frame2);
    ordinary.setRange(0, 1200);
    ordinary.setPageStep(10);
    ordinary.setGeometry(c->vscScaleMin->geometry());
    ordinary.setEnabled(false);
    const int ordinaryChange = thumbPixelsChangedByDisabling(ordinary);
    EXPECT_GT(ordinaryChange, 0);

    for (QScrollBar* bar : {c->vscScaleMax, c->vscScaleMin, c->vscGraphScroller}) {
        SCOPED_TRACE(bar->objectName().toStdString());
        ASSERT_FALSE(bar->isEnabled());
        ASSERT_TRUE(bar->invertedAppearance());
        const int changed = thumbPixelsChangedByDisabling(*bar);
        EXPECT_GT(changed, thumbOf(*bar).width() * thumbOf(*bar).height() / 2);
    }
    // The time scroll bar, disabled as well until a log is drawn, alike.
    EXPECT_FALSE(c->hscGraphScroller->isEnabled());
    EXPECT_GT(thumbPixelsChangedByDisabling(*c->hscGraphScroller), 0);
}

} // namespace
} // namespace osk::test
