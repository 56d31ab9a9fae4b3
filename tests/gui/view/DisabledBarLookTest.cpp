#include "gui/app/ProgramFixture.h"
#include "gui/support/ScrollBarParts.h"

#include <QGroupBox>

namespace osk::test {
namespace {

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
