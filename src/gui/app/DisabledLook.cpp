#include "app/DisabledLook.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace osk {

namespace {

int halfway(int a, int b) {
    return (a + b) / 2;
}

} // namespace

void fadeDisabledButtonFaces(QWidget& window) {
    QPalette palette = window.palette();
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    QColor paper = palette.color(QPalette::Active, QPalette::Base);
    // A face as light as the paper fades towards grey instead.
    if (face == paper)
        paper = palette.color(QPalette::Active, QPalette::Mid);
    palette.setColor(QPalette::Disabled, QPalette::Button,
                     QColor(halfway(face.red(), paper.red()), halfway(face.green(), paper.green()),
                            halfway(face.blue(), paper.blue())));
    window.setPalette(palette);
}

} // namespace osk
