// A picture label that reports a mouse click, for the logo that opens the About box.
#pragma once

#include <QLabel>

namespace osk {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace osk
