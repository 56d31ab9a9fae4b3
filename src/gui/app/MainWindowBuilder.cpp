#include "app/MainWindowBuilder.h"

#include "app/ClickableLabel.h"
#include "graph/LegendBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace osk {

namespace {

template <typename W> W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

QAction* action(QMenu* menu, const QString& name, bool checkable = false) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

QMenu* submenu(QMenu* parent, const QString& name) {
    QMenu* m = parent->addMenu(QString());
    m->setObjectName(name);
    m->menuAction()->setObjectName(name + QStringLiteral("Action"));
    return m;
}

QMenu* topMenu(QMenuBar* bar, const QString& name) {
    QMenu* m = bar->addMenu(QString());
    m->setObjectName(name);
    return m;
}

QLabel* label(QWidget* parent, const QString& name, int x, int y, int w, int h) {
    auto* l = named(new QLabel(parent), name);
    l->setGeometry(x, y, w, h);
    // Captions come from language and log files: never read them as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

QScrollBar* scrollBar(QWidget* parent, const QString& name, Qt::Orientation o, int min, int max,
                      int page, int value) {
    auto* s = named(new QScrollBar(o, parent), name);
    s->setRange(min, max);
    s->setSingleStep(1);
    s->setPageStep(page);
    s->setValue(value);
    return s;
}

// A value bar with its larger values at the top: the range stays ascending, only the
// appearance and the keys are turned round.
QScrollBar* upsideDownBar(QWidget* parent, const QString& name, int top, int bottom, int value) {
    QScrollBar* s = scrollBar(parent, name, Qt::Vertical, bottom, top, 10, value);
    s->setInvertedAppearance(true);
    s->setInvertedControls(true);
    return s;
}

void buildMenus(QMainWindow& window, MainWindowControls& c) {
    QMenuBar* bar = window.menuBar();
    c.mnuFile = topMenu(bar, QStringLiteral("mnuFile"));
    c.mnuOpenFile = action(c.mnuFile, QStringLiteral("mnuOpenFile"));
    c.mnuOpenFile->setShortcut(QKeySequence::Open);
    c.mnuSavePicture = action(c.mnuFile, QStringLiteral("mnuSavePicture"));
    c.mnuSavePicture->setShortcut(QKeySequence::Save);
    c.mnuExportData = action(c.mnuFile, QStringLiteral("mnuExportData"));
    c.mnuExportEvents = action(c.mnuFile, QStringLiteral("mnuExportEvents"));
    c.mnuExportDayFigures = action(c.mnuFile, QStringLiteral("mnuExportDayFigures"));
    c.mnuAfdrukken = action(c.mnuFile, QStringLiteral("mnuAfdrukken"));
    c.mnuAfdrukken->setShortcut(QKeySequence::Print);
    c.mnuAfdrukVoorbeeld = action(c.mnuFile, QStringLiteral("mnuAfdrukVoorbeeld"));
    c.mnuDagrapport = action(c.mnuFile, QStringLiteral("mnuDagrapport"));
    c.mnuPrinter = submenu(c.mnuFile, QStringLiteral("mnuPrinter"));
    c.mnuColorPrinter = action(c.mnuPrinter, QStringLiteral("mnuColorPrinter"), true);
    c.mnuBlackWhite = action(c.mnuPrinter, QStringLiteral("mnuBlackWhite"), true);
    c.mnuStreep = c.mnuFile->addSeparator();
    c.mnuStreep->setObjectName(QStringLiteral("mnuStreep"));
    c.mnuExit = action(c.mnuFile, QStringLiteral("mnuExit"));

    c.mnuEdit = topMenu(bar, QStringLiteral("mnuEdit"));
    c.mnuCopyPicture = action(c.mnuEdit, QStringLiteral("mnuCopyPicture"));
    c.mnuCopyPicture->setShortcut(QKeySequence::Copy);

    c.mnuOptions = topMenu(bar, QStringLiteral("mnuOptions"));
    c.mnuRealTime = submenu(c.mnuOptions, QStringLiteral("mnuRealTime"));
    c.mnuON = action(c.mnuRealTime, QStringLiteral("mnuON"), true);
    c.mnuOFF = action(c.mnuRealTime, QStringLiteral("mnuOFF"), true);
    c.mnuOFF->setChecked(true);
    c.mnuStreep2 = c.mnuOptions->addSeparator();
    c.mnuStreep2->setObjectName(QStringLiteral("mnuStreep2"));
    c.mnuTaal = submenu(c.mnuOptions, QStringLiteral("mnuTaal"));
    c.mnuNed = action(c.mnuTaal, QStringLiteral("mnuNed"), true);
    c.mnuEng = action(c.mnuTaal, QStringLiteral("mnuEng"), true);
    c.mnuSystem = submenu(c.mnuOptions, QStringLiteral("mnuSystem"));
    c.mnuFreeChlorine = action(c.mnuSystem, QStringLiteral("mnuFreeChlorine"), true);
    c.mnuPeroxide = action(c.mnuSystem, QStringLiteral("mnuPeroxide"), true);
    c.mnuTarvox = action(c.mnuSystem, QStringLiteral("mnuTarvox"), true);
    c.mnuAlarmBands = action(c.mnuOptions, QStringLiteral("mnuAlarmBands"), true);
    c.mnuEvents = action(c.mnuOptions, QStringLiteral("mnuEvents"));
    c.mnuEvents->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    c.mnuHelp = topMenu(bar, QStringLiteral("mnuHelp"));
    c.mnuAbout = action(c.mnuHelp, QStringLiteral("mnuAbout"));
}

void buildValueFrame(MainWindowControls& c) {
    c.Frame2 = named(new QGroupBox(c.Frame5), QStringLiteral("Frame2"));
    c.Frame2->setGeometry(8, 0, 100, 157);
    c.Label5 = label(c.Frame2, QStringLiteral("Label5"), 4, 16, 32, 14);
    c.Label3 = label(c.Frame2, QStringLiteral("Label3"), 36, 16, 30, 14);
    c.Label4 = label(c.Frame2, QStringLiteral("Label4"), 68, 16, 30, 14);
    c.vscGraphScroller = upsideDownBar(c.Frame2, QStringLiteral("vscGraphScroller"), 1200, 0, 0);
    c.vscGraphScroller->setGeometry(10, 32, 17, 100);
    c.vscScaleMin = upsideDownBar(c.Frame2, QStringLiteral("vscScaleMin"), 1200, 0, 0);
    c.vscScaleMin->setGeometry(42, 32, 17, 100);
    c.vscScaleMax = upsideDownBar(c.Frame2, QStringLiteral("vscScaleMax"), 2000, 0, 150);
    c.vscScaleMax->setGeometry(74, 32, 17, 100);
    c.lblMin[0] = label(c.Frame2, QStringLiteral("lblMin0"), 34, 136, 32, 14);
    c.lblMin[0]->setText(QStringLiteral("0"));
    c.lblMin[1] = label(c.Frame2, QStringLiteral("lblMin1"), 66, 136, 32, 14);
    c.lblMin[1]->setText(QStringLiteral("150"));
}

void buildTimeFrames(MainWindowControls& c) {
    c.Frame4 = named(new QGroupBox(c.Frame5), QStringLiteral("Frame4"));
    c.Frame4->setGeometry(112, 0, 197, 93);
    c.Xas = named(new QComboBox(c.Frame4), QStringLiteral("Xas"));
    c.Xas->setGeometry(8, 18, 181, 22);
    c.Label1 = label(c.Frame4, QStringLiteral("Label1"), 8, 46, 181, 14);
    c.hscGraphScroller =
        scrollBar(c.Frame4, QStringLiteral("hscGraphScroller"), Qt::Horizontal, 1, 1, 1, 1);
    c.hscGraphScroller->setGeometry(8, 64, 181, 17);
    c.hscGraphScroller->setEnabled(false);

    c.Frame1 = named(new QGroupBox(c.Frame5), QStringLiteral("Frame1"));
    c.Frame1->setGeometry(112, 92, 196, 65);
    c.Label2 = label(c.Frame1, QStringLiteral("Label2"), 8, 18, 72, 18);
    c.cmbGridX = named(new QComboBox(c.Frame1), QStringLiteral("cmbGridX"));
    c.cmbGridX->setGeometry(82, 16, 106, 22);
    c.lblY = label(c.Frame1, QStringLiteral("lblY"), 8, 42, 72, 16);
    c.hsGridY = scrollBar(c.Frame1, QStringLiteral("hsGridY"), Qt::Horizontal, 1, 100, 5, 20);
    c.hsGridY->setGeometry(82, 42, 74, 16);
    c.lblYValue = label(c.Frame1, QStringLiteral("lblYValue"), 160, 42, 32, 16);
    c.lblYValue->setText(QStringLiteral("20"));

    c.fraDrawStyle = named(new QGroupBox(c.Frame5), QStringLiteral("fraDrawStyle"));
    c.fraDrawStyle->setGeometry(316, 92, 141, 65);
    c.cboDrawStyle = named(new QComboBox(c.fraDrawStyle), QStringLiteral("cboDrawStyle"));
    c.cboDrawStyle->setGeometry(8, 24, 125, 22);
}

void buildSeriesFrames(MainWindowControls& c) {
    c.Frame3 = named(new QGroupBox(c.Frame5), QStringLiteral("Frame3"));
    c.Frame3->setGeometry(315, 0, 141, 93);
    for (int i = 0; i < 4; ++i) {
        c.chkItem[i] = named(new QCheckBox(c.Frame3), QStringLiteral("chkItem%1").arg(i));
        c.chkItem[i]->setGeometry(6, 15 + 18 * i, 104, 18);
        c.cmdItem[i] = named(new QPushButton(QStringLiteral("..."), c.Frame3),
                             QStringLiteral("cmdItem%1").arg(i));
        c.cmdItem[i]->setGeometry(112, 15 + 18 * i, 24, 18);
    }
    c.fraChoses = named(new QGroupBox(c.Frame5), QStringLiteral("fraChoses"));
    c.fraChoses->setGeometry(316, 0, 145, 93);
    // Boxes 1..4 in the left column, 5 and 6 (only for the cell group) in the right one.
    for (int k = 1; k <= 6; ++k) {
        c.chkItems2[k] = named(new QCheckBox(c.fraChoses), QStringLiteral("chkItems2%1").arg(k));
        const int col = (k - 1) / 4;
        const int row = (k - 1) % 4;
        c.chkItems2[k]->setGeometry(4 + 92 * col, 8 + 18 * row, col == 0 ? 90 : 48, 18);
    }
    c.Command4 =
        named(new QPushButton(QStringLiteral("OK"), c.fraChoses), QStringLiteral("Command4"));
    c.Command4->setGeometry(104, 70, 36, 20);
    c.fraChoses->hide();
}

} // namespace

MainWindowControls buildMainWindowControls(QMainWindow& window) {
    MainWindowControls c;
    window.setObjectName(QStringLiteral("frmMain"));
    buildMenus(window, c);

    c.client = named(new QWidget(&window), QStringLiteral("client"));
    c.client->setAutoFillBackground(true);
    window.setCentralWidget(c.client);

    c.Line1 = named(new QFrame(c.client), QStringLiteral("Line1"));
    c.Line1->setFrameShape(QFrame::HLine);
    c.Line1->setFrameShadow(QFrame::Plain);
    c.Line1->setGeometry(0, 0, 10, 1);

    c.pGraph = named(new PictureBox(c.client), QStringLiteral("pGraph"));
    c.pGraph->setGeometry(44, 8, 400, 300);
    c.ToolTipje = label(c.pGraph, QStringLiteral("ToolTipje"), 0, 0, 120, 60);
    c.ToolTipje->setFrameShape(QFrame::Box);
    c.ToolTipje->setAutoFillBackground(true);
    c.ToolTipje->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.ToolTipje->hide();

    c.Legenda = named(new LegendBox(c.client), QStringLiteral("Legenda"));
    c.Legenda->setGeometry(454, 18, 110, 240);
    c.lblLegendaTitle = label(c.client, QStringLiteral("lblLegendaTitle"), 454, 0, 110, 16);
    c.lblRecords = label(c.client, QStringLiteral("lblRecords"), 12, 500, 200, 16);

    for (int i = 0; i < 11; ++i)
        c.lblScale[i] = label(c.client, QStringLiteral("lblScale%1").arg(i), 3, 4 + 30 * i, 40, 14);
    for (int i = 0; i < 13; ++i) {
        c.lblScaleXas[i] =
            label(c.client, QStringLiteral("lblScaleXas%1").arg(i), 35 + 30 * i, 320, 34, 14);
        c.lblDataXas[i] =
            label(c.client, QStringLiteral("lblDataXas%1").arg(i), 30 + 30 * i, 350, 55, 14);
        c.lblDataXas[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    c.pgbDraw = named(new QProgressBar(c.client), QStringLiteral("pgbDraw"));
    c.pgbDraw->setGeometry(300, 4, 100, 10);
    c.pgbDraw->setRange(0, 0);
    c.pgbDraw->hide();

    c.Frame5 = named(new QWidget(c.client), QStringLiteral("Frame5"));
    c.Frame5->setGeometry(16, 364, 631, 162);
    c.Frame5->setAutoFillBackground(true);
    buildValueFrame(c);
    buildTimeFrames(c);
    buildSeriesFrames(c);
    c.Image1 = named(new ClickableLabel(c.Frame5), QStringLiteral("Image1"));
    c.Image1->setGeometry(470, 8, 150, 146);
    c.Image1->setAlignment(Qt::AlignCenter);

    c.Timer1 = named(new QTimer(&window), QStringLiteral("Timer1"));
    c.Timer1->setInterval(1000);
    return c;
}

} // namespace osk
