#include "print/DayReportController.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtAdapter.h"
#include "export/ExportController.h"
#include "export/PictureWriter.h"
#include "graph/ExportFiles.h"
#include "graph/ProductSystem.h"
#include "lang/FallbackTexts.h"
#include "lang/TextNumbers.h"
#include "print/PaintedReportPages.h"
#include "print/PrintController.h"
#include "print/PrinterChoice.h"
#include "print/RenderPage.h"

#include <QAction>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace osk {

namespace {

constexpr std::string_view kPdfFilter = "PDF (*.pdf)|*.pdf";
constexpr int kPdfDpi = 600;
constexpr double kPdfMarginMillimetres = 10;

} // namespace

DayReportController::DayReportController(MainWindowControls& controls, ProgramState& state,
                                         ProgramServices& services, PrintController& printing,
                                         ExportController& exports, QWidget& mainWindow)
    : c_(controls), state_(state), services_(services), printing_(printing), exports_(exports),
      mainWindow_(mainWindow) {}

void DayReportController::connectCommands(QObject& context) {
    connectGuarded(c_.mnuDagrapport, &QAction::triggered, context,
                   [this] { mnuDagrapport_Click(); });
}

void DayReportController::mnuDagrapport_Click() {
    if (!state_.records.FileLoaded)
        return;
    // A copy: a real-time refresh during the dialog replaces the log's analysis.
    const LogAnalysis analysis = state_.Analysis;
    if (analysis.days.empty())
        return;
    std::vector<std::string> days;
    for (const Figures& day : analysis.days)
        days.push_back(day.date);
    frmDayReport dialog(state_.texts, days, &mainWindow_);
    dialog.exec();
    const std::optional<DayReportChoice> choice = dialog.choice();
    if (!choice || choice->from >= days.size() || choice->to >= days.size())
        return;
    const DayRange range = OrderedDays(choice->from, choice->to);
    if (choice->output == DayReportChoice::Output::Print)
        print(analysis, range);
    else
        savePdf(analysis, range);
}

bool DayReportController::paintReport(QPagedPaintDevice& device, const LogAnalysis& analysis,
                                      DayRange days) {
    DayReportInputs in{state_.records, state_.render, state_.texts,
                       ProductTextIndex(services_.settings), decimalSeparator()};
    PaintedReportPages pages(device);
    const int drawn = DrawDayReport(in, analysis, days, pages);
    return pages.finish() && drawn > 0;
}

QString DayReportController::writePdf(const QString& path, const LogAnalysis& analysis,
                                      DayRange days) {
    return writeSavedFile(
        path, QStringLiteral("the report could not be drawn"), [&](QIODevice& file) {
            QPdfWriter pdf(&file);
            pdf.setCreator(QStringLiteral("OSK-Graphs"));
            pdf.setTitle(QString::fromStdString(textOrFallback(state_.texts, kTextDayReport)));
            pdf.setResolution(kPdfDpi);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setPageMargins(QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                         kPdfMarginMillimetres, kPdfMarginMillimetres),
                               QPageLayout::Millimeter);
            return paintReport(pdf, analysis, days);
        });
}

bool DayReportController::print(const LogAnalysis& analysis, DayRange days) {
    const std::optional<int> copies = services_.dialogs.choosePrint();
    if (!copies)
        return false;
    QPrinter& printer = printing_.printer().printer();
    std::optional<PrintError> error;
    if (!printer.isValid())
        error = PrintError{kPrintErrorNoPrinter, "No printer is available"};
    for (int copy = 0; copy < *copies && !error; ++copy) {
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setCopyCount(1);
        printer.setFullPage(false);
        if (!paintReport(printer, analysis, days))
            error = PrintError{kPrintErrorPage, "The report could not be sent to the printer"};
    }
    if (error)
        services_.dialogs.message(PrintErrorMessage(state_.texts, *error), MessageIcon::None,
                                  state_.texts[kTextProgramTitle]);
    return !error;
}

bool DayReportController::savePdf(const LogAnalysis& analysis, DayRange days) {
    if (days.first >= analysis.days.size())
        return false;
    const SaveFileRequest request{
        textOrFallback(state_.texts, kTextDayReport), exports_.saveFolder(),
        ProposedExportName(state_.records,
                           analysis.days[std::min(days.last, analysis.days.size() - 1)].lastRecord),
        std::string(kPdfFilter), 1};
    const std::optional<SaveFileChoice> choice = services_.dialogs.chooseSaveFile(request);
    if (!choice || choice->path.empty())
        return false;
    const std::string path = WithExtension(choice->path, ".pdf");
    if (const QString error = writePdf(QString::fromStdString(path), analysis, days);
        !error.isEmpty()) {
        exports_.reportNotWritten(path, error);
        return false;
    }
    exports_.saved(path);
    return true;
}

} // namespace osk
