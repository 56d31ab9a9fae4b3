// Every control of the main window, by the name it carries as objectName. The window builds
// them once; the controllers of each subsystem work on this set.
#pragma once

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;
class QWidget;

namespace osk {

class ClickableLabel;
class PictureBox;

struct MainWindowControls {
    QWidget* client = nullptr; // the client area all positions refer to

    // Menus.
    QMenu* mnuFile = nullptr;
    QAction* mnuOpenFile = nullptr;
    QAction* mnuSavePicture = nullptr;
    QAction* mnuExportData = nullptr;
    QAction* mnuAfdrukken = nullptr;
    QAction* mnuAfdrukVoorbeeld = nullptr;
    QAction* mnuDagrapport = nullptr;
    QMenu* mnuPrinter = nullptr;
    QAction* mnuColorPrinter = nullptr;
    QAction* mnuBlackWhite = nullptr;
    QAction* mnuStreep = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuCopyPicture = nullptr;
    QAction* mnuExportEvents = nullptr;
    QAction* mnuExportDayFigures = nullptr;
    QMenu* mnuOptions = nullptr;
    QMenu* mnuRealTime = nullptr;
    QAction* mnuON = nullptr;
    QAction* mnuOFF = nullptr;
    QAction* mnuStreep2 = nullptr;
    QMenu* mnuTaal = nullptr;
    QAction* mnuNed = nullptr;
    QAction* mnuEng = nullptr;
    QMenu* mnuSystem = nullptr;
    QAction* mnuFreeChlorine = nullptr;
    QAction* mnuPeroxide = nullptr;
    QAction* mnuTarvox = nullptr;
    QAction* mnuAlarmBands = nullptr;
    QAction* mnuEvents = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;

    // Plot, legend and the labels around them.
    QFrame* Line1 = nullptr;
    PictureBox* pGraph = nullptr;
    QLabel* ToolTipje = nullptr;
    PictureBox* Legenda = nullptr;
    QLabel* lblLegendaTitle = nullptr;
    QLabel* lblRecords = nullptr;
    std::array<QLabel*, 11> lblScale{};
    std::array<QLabel*, 13> lblScaleXas{};
    std::array<QLabel*, 13> lblDataXas{};
    QProgressBar* pgbDraw = nullptr;
    QTimer* Timer1 = nullptr;

    // The control panel under the plot.
    QWidget* Frame5 = nullptr;
    QGroupBox* Frame2 = nullptr; // value scale
    QScrollBar* vscGraphScroller = nullptr;
    QScrollBar* vscScaleMin = nullptr;
    QScrollBar* vscScaleMax = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 2> lblMin{};
    QGroupBox* Frame4 = nullptr; // time scale
    QComboBox* Xas = nullptr;
    QScrollBar* hscGraphScroller = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr; // grid steps
    QComboBox* cmbGridX = nullptr;
    QScrollBar* hsGridY = nullptr;
    QLabel* lblYValue = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblY = nullptr;
    QGroupBox* fraDrawStyle = nullptr;
    QComboBox* cboDrawStyle = nullptr;
    QGroupBox* Frame3 = nullptr; // series groups
    std::array<QCheckBox*, 4> chkItem{};
    std::array<QPushButton*, 4> cmdItem{};
    QGroupBox* fraChoses = nullptr;        // sub-series of one group, shown over Frame3
    std::array<QCheckBox*, 7> chkItems2{}; // elements 1..6; element 0 unused
    QPushButton* Command4 = nullptr;
    ClickableLabel* Image1 = nullptr;
};

} // namespace osk
