#include "view/UpsideDownBar.h"

#include <QGuiApplication>
#include <QScrollBar>

#include <algorithm>

namespace osk {

namespace {

// The position a step in the other direction gives, kept within the bar's range.
int reversedStep(const QScrollBar& bar, int step) {
    const long long position = static_cast<long long>(bar.value()) - step;
    return static_cast<int>(std::clamp<long long>(position, bar.minimum(), bar.maximum()));
}

} // namespace

void makeUpsideDownBarNatural(QScrollBar& bar) {
    bar.setInvertedControls(false);
    QObject::connect(&bar, &QAbstractSlider::actionTriggered, &bar, [&bar](int action) {
        // Keys and the wheel come without a mouse button held; a press on an arrow or in the
        // trough (and its repeats while held) comes with one.
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            return;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            bar.setSliderPosition(reversedStep(bar, bar.singleStep()));
            break;
        case QAbstractSlider::SliderSingleStepSub:
            bar.setSliderPosition(reversedStep(bar, -bar.singleStep()));
            break;
        case QAbstractSlider::SliderPageStepAdd:
            bar.setSliderPosition(reversedStep(bar, bar.pageStep()));
            break;
        case QAbstractSlider::SliderPageStepSub:
            bar.setSliderPosition(reversedStep(bar, -bar.pageStep()));
            break;
        default:
            break;
        }
    });
}

} // namespace osk
