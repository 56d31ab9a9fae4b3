#include "app/DataControls.h"

#include "app/MainWindowControls.h"
#include "app/WindowPlot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace osk {

void EnableDataControls(MainWindowControls& c, WindowPlot& plot, bool enabled) {
    if (!enabled)
        plot.clearPlot();
    for (QWidget* w : {static_cast<QWidget*>(c.vscScaleMin), static_cast<QWidget*>(c.vscScaleMax),
                       static_cast<QWidget*>(c.Xas), static_cast<QWidget*>(c.vscGraphScroller),
                       static_cast<QWidget*>(c.cmbGridX), static_cast<QWidget*>(c.hsGridY)})
        w->setEnabled(enabled);
    for (size_t i = 0; i < c.chkItem.size(); ++i) {
        c.chkItem[i]->setEnabled(enabled);
        c.cmdItem[i]->setEnabled(enabled);
    }
    c.cboDrawStyle->setEnabled(enabled);
    c.mnuAfdrukken->setEnabled(enabled);
    c.mnuAfdrukVoorbeeld->setEnabled(enabled);
    c.mnuDagrapport->setEnabled(enabled);
    for (QAction* a : {c.mnuSavePicture, c.mnuCopyPicture, c.mnuExportData, c.mnuExportEvents,
                       c.mnuExportDayFigures})
        a->setEnabled(enabled);
    for (size_t i = 0; i < c.lblScaleXas.size(); ++i) {
        c.lblDataXas[i]->setVisible(enabled);
        c.lblScaleXas[i]->setVisible(enabled);
    }
    for (QLabel* label : c.lblScale)
        label->setVisible(enabled);
}

} // namespace osk
