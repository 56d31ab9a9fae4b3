#include "export/ExportController.h"

#include "analysis/AnalysisCsv.h"
#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "common/Utf8Path.h"
#include "export/PictureWriter.h"
#include "export/WholeFile.h"
#include "export/WindowPicture.h"
#include "graph/ExportFiles.h"
#include "graph/PlotRedraws.h"
#include "graph/ProductSystem.h"
#include "graph/VisibleData.h"
#include "lang/FallbackTexts.h"
#include "lang/TextNumbers.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace osk {

namespace {

std::string folderOf(const std::string& path) {
    return utf8Name(pathFromUtf8(path).parent_path());
}

} // namespace

ExportController::ExportController(MainWindowControls& controls, ProgramState& state,
                                   ProgramServices& services, WindowPlot& plot)
    : c_(controls), state_(state), services_(services), plot_(plot) {}

void ExportController::connectCommands(QObject& context) {
    connectGuarded(c_.mnuSavePicture, &QAction::triggered, context,
                   [this] { mnuSavePicture_Click(); });
    connectGuarded(c_.mnuCopyPicture, &QAction::triggered, context,
                   [this] { mnuCopyPicture_Click(); });
    connectGuarded(c_.mnuExportData, &QAction::triggered, context,
                   [this] { mnuExportData_Click(); });
    connectGuarded(c_.mnuExportEvents, &QAction::triggered, context,
                   [this] { mnuExportEvents_Click(); });
    connectGuarded(c_.mnuExportDayFigures, &QAction::triggered, context,
                   [this] { mnuExportDayFigures_Click(); });
}

std::string ExportController::saveFolder() const {
    return lastFolder_.empty() ? folderOf(state_.records.LogSource.path()) : lastFolder_;
}

void ExportController::mnuSavePicture_Click() {
    if (!state_.records.FileLoaded)
        return;
    const SaveFileRequest request{textOrFallback(state_.texts, kTextSavePictureTitle), saveFolder(),
                                  ProposedExportName(state_.records, state_.render.DrawnNewest),
                                  std::string(kPictureFilter), 1};
    const std::optional<SaveFileChoice> choice = services_.dialogs.chooseSaveFile(request);
    if (!choice || choice->path.empty())
        return;
    const PictureFile file = ChosenPictureFile(choice->path, choice->filter);
    if (const QString error = writeWindowPicture(c_, plot_, file); !error.isEmpty())
        return reportNotWritten(file.path, error);
    saved(file.path);
}

void ExportController::mnuCopyPicture_Click() {
    if (!state_.records.FileLoaded)
        return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(windowPicture(c_));
}

void ExportController::mnuExportData_Click() {
    exportCsv(kTextExportDataTitle, "", [this] {
        return VisibleDataCsv(
            state_.records, DrawnRecords{state_.render.DrawnOldest, state_.render.DrawnNewest},
            state_.render.SeriesOn, state_.texts, ProductTextIndex(services_.settings));
    });
}

void ExportController::mnuExportEvents_Click() {
    exportCsv(kTextExportEvents, " events", [this] {
        return EventsCsv(state_.Analysis, state_.texts, ProductTextIndex(services_.settings));
    });
}

void ExportController::mnuExportDayFigures_Click() {
    exportCsv(kTextExportDayFigures, " day figures", [this] {
        return DayFiguresCsv(state_.Analysis.days, state_.texts,
                             ProductTextIndex(services_.settings));
    });
}

void ExportController::exportCsv(int title, std::string_view nameSuffix,
                                 const std::function<std::string()>& csv) {
    if (!state_.records.FileLoaded)
        return;
    const SaveFileRequest request{textOrFallback(state_.texts, title), saveFolder(),
                                  ProposedExportName(state_.records, state_.render.DrawnNewest) +
                                      std::string(nameSuffix),
                                  std::string(kCsvFilter), 1};
    const std::optional<SaveFileChoice> choice = services_.dialogs.chooseSaveFile(request);
    if (!choice || choice->path.empty())
        return;
    const std::string path = WithExtension(choice->path, ".csv");
    if (const QString error =
            writeWholeFile(QString::fromStdString(path), QByteArray::fromStdString(csv()));
        !error.isEmpty())
        return reportNotWritten(path, error);
    saved(path);
}

void ExportController::reportNotWritten(const std::string& path, const QString& error) {
    services_.dialogs.message(textOrFallback(state_.texts, kTextNotWritten) + "\n" + path + "\n" +
                                  error.toStdString(),
                              MessageIcon::Critical, std::string());
}

void ExportController::saved(const std::string& path) {
    lastFolder_ = folderOf(path);
}

} // namespace osk
