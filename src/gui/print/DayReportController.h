// File > Day report (mnuDagrapport): the days of the loaded log chosen in frmDayReport, their
// report pages printed on the printer chosen in the Print dialog or saved as a PDF file.
#pragma once

#include "analysis/LogAnalysis.h"
#include "print/DayReport.h"
#include "print/frmDayReport.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QObject;
class QPagedPaintDevice;
class QWidget;

namespace osk {

class ExportController;
class PrintController;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class DayReportController {
public:
    // printing gives the printer the Print dialog sets up, exports the folder the Save dialog
    // starts in; mainWindow owns the dialog.
    DayReportController(MainWindowControls& controls, ProgramState& state,
                        ProgramServices& services, PrintController& printing,
                        ExportController& exports, QWidget& mainWindow);

    // Connects the menu entry; context ends the connection with the window.
    void connectCommands(QObject& context);

    // The command: nothing without a loaded log with days; the dialog, then the report.
    void mnuDagrapport_Click();

    // Writes the report pages of days into a PDF file at path (replaced only when complete).
    // Returns an error text, empty on success.
    QString writePdf(const QString& path, const LogAnalysis& analysis, DayRange days);
    // The Print dialog, then the report on the chosen printer, once per copy; failures are
    // reported in a message. False when cancelled or failed.
    bool print(const LogAnalysis& analysis, DayRange days);
    // The Save dialog for a PDF file, then the file; a failure is reported in a message.
    bool savePdf(const LogAnalysis& analysis, DayRange days);

private:
    bool paintReport(QPagedPaintDevice& device, const LogAnalysis& analysis, DayRange days);

    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
    PrintController& printing_;
    ExportController& exports_;
    QWidget& mainWindow_;
};

} // namespace osk
