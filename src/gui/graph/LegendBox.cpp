#include "graph/LegendBox.h"

#include "graph/Legend.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace osk {

namespace {

// The largest font of the family whose lines are no taller than the legend's line pitch, so
// that neighbouring entries never overlap.
QFont legendFont(QFont font) {
    const double pitch = kLegendLineHeight / kLegendUnitsPerPixel;
    constexpr int kSmallest = 6;
    int size = static_cast<int>(pitch);
    for (; size > kSmallest; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).height() <= pitch)
            break;
    }
    font.setPixelSize(size);
    return font;
}

} // namespace

LegendBox::LegendBox(QWidget* parent) : PictureBox(parent, kLegendUnitsPerPixel) {
    surface().setFont(legendFont(font()));
    surface().setElideAtRightEdge([this] { return shownPictureWidth(); });
}

int LegendBox::shownPictureWidth() const {
    // The box may reach past the edge of the window (or of a frame it sits in): only the part
    // inside every ancestor is on view.
    int right = width() - kBorder;
    for (const QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        right = std::min(right, mapFrom(w, QPoint(w->width(), 0)).x());
        if (w->isWindow())
            break;
    }
    return right - kBorder;
}

void LegendBox::setEntryTexts(std::function<std::vector<std::string>()> texts) {
    texts_ = std::move(texts);
}

std::string LegendBox::entryTextAt(QPoint position) const {
    if (!texts_)
        return {};
    const std::vector<std::string> texts = texts_();
    const double y = (position.y() - kBorder) * kLegendUnitsPerPixel;
    const int32_t line = LegendLineAt(y, static_cast<int32_t>(texts.size()));
    return line > 0 ? texts[static_cast<size_t>(line - 1)] : std::string();
}

bool LegendBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return PictureBox::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    try {
        const std::string text = entryTextAt(help->pos());
        if (text.empty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromStdString(text), this);
        }
    } catch (...) {
        // Without its text the tooltip is simply not shown.
        QToolTip::hideText();
    }
    return true;
}

} // namespace osk
