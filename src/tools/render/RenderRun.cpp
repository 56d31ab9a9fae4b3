#include "RenderRun.h"

#include "GraphDescription.h"
#include "RenderDialogs.h"
#include "TeeSurface.h"

#include "analysis/AnalysisCsv.h"
#include "analysis/LogAnalysis.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "app/SystemClock.h"
#include "app/WindowPlot.h"
#include "common/Utf8Path.h"
#include "export/PngFile.h"
#include "export/WholeFile.h"
#include "export/WindowPicture.h"
#include "graph/PictureBox.h"
#include "graph/PlotRedraws.h"
#include "graph/ProductSystem.h"
#include "graph/VisibleData.h"
#include "lang/TextNumbers.h"
#include "print/DayReportController.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QPushButton>
#include <QScrollBar>

#include <ostream>

namespace osk::render {

namespace {

constexpr const char* kTool = "osk-graphs-render: ";

class Run {
public:
    Run(const RenderOptions& options, const std::filesystem::path& languageFolder,
        std::ostream& err)
        : o_(options), err_(err),
          dialogs_(options.logFile), services_{settings_, dialogs_, clock_, languageFolder} {}

    int run();

private:
    int fail(int code, const std::string& message) {
        err_ << kTool << message << '\n';
        return code;
    }
    bool sizePlot();
    std::string unusableLog() const;
    void chooseSeries();
    int setScale();
    int refused(const char* option, int asked, const std::string& taken);
    void scrollBack();
    int writeFile(const std::string& path, const QByteArray& bytes);
    int writeDescription();
    int writeCsv();
    int writeAnalysis();
    int writePicture();
    int writeDayReport();

    const RenderOptions& o_;
    std::ostream& err_;
    MemorySettingsStore settings_;
    RenderDialogs dialogs_;
    SystemClock clock_;
    ProgramServices services_;
    ProgramState state_;
    std::unique_ptr<frmMain> window_;
    const MainWindowControls* c_ = nullptr;
};

int Run::run() {
    settings_.RegWrite(settings::kLanguage,
                       o_.languageFile ? utf8Name(pathFromUtf8(*o_.languageFile).filename())
                                       : std::string("english.lng"));
    settings_.RegWrite(settings::kColor, "True");
    settings_.RegWrite(settings::kSystem, o_.system.value_or("Chloor"));
    window_ = StartProgram(state_, services_, true);
    c_ = &window_->controls();

    if (!sizePlot())
        return fail(kExitUsage, "--size " + std::to_string(o_.plotWidth) + "x" +
                                    std::to_string(o_.plotHeight) +
                                    ": the window's plot cannot take that size (it is now " +
                                    std::to_string(c_->pGraph->surface().image().width()) + "x" +
                                    std::to_string(c_->pGraph->surface().image().height()) + ")");
    {
        // The steps run their handlers as the user's actions would; the plot, which only shows
        // the state they leave, is drawn once at the end instead of after every step.
        const PlotRedraws::ActionScope steps(window_->redraws());
        c_->mnuOpenFile->trigger();
        if (!state_.records.FileLoaded)
            return fail(kExitFailed, o_.logFile + ": " + unusableLog());
        chooseSeries();
        if (o_.spanItem)
            c_->Xas->setCurrentIndex(*o_.spanItem);
        if (o_.gridXItem)
            c_->cmbGridX->setCurrentIndex(*o_.gridXItem);
        if (const int code = setScale(); code != kExitOk)
            return code;
    }
    {
        // Whether the scroll bar can be pressed is decided by the drawing above; once enabled
        // it stays so while the window moves back.
        const PlotRedraws::ActionScope presses(window_->redraws());
        scrollBack();
    }

    for (const std::string& message : dialogs_.messages())
        err_ << kTool << "note: " << message << '\n';
    if (const int code = writeDayReport(); code != kExitOk)
        return code;
    if (const int code = writeDescription(); code != kExitOk)
        return code;
    if (const int code = writeCsv(); code != kExitOk)
        return code;
    if (const int code = writeAnalysis(); code != kExitOk)
        return code;
    return o_.pngFile.empty() ? kExitOk : writePicture();
}

bool Run::sizePlot() {
    // The plot's picture is the size asked for; the plot box adds its border. The plot takes the
    // client area but for the room of the labels, legend and control panel, so two tries settle
    // it whatever the menu bar takes.
    const int border = 2 * PictureBox::kBorder;
    const QSize wanted(o_.plotWidth + border, o_.plotHeight + border);
    for (int attempt = 0; attempt < 2 && c_->pGraph->size() != wanted; ++attempt)
        window_->resize(window_->size() + wanted - c_->pGraph->size());
    return c_->pGraph->size() == wanted;
}

std::string Run::unusableLog() const {
    const Texts& t = state_.texts;
    if (dialogs_.shown(t[kTextInvalidFile]))
        return "rejected header: the first line holds no \"Record\" in its first 10 characters (" +
               t[kTextInvalidFile] + ")";
    if (dialogs_.shown(t[kTextFileEmpty]))
        return "the file is empty (" + t[kTextFileEmpty] + ")";
    if (dialogs_.shown(t[kTextSelectValidFile]))
        return "the file cannot be read as a log: it cannot be opened, or a line holds more than "
               "30 "
               "fields or a number out of range (" +
               t[kTextSelectValidFile] + ")";
    return "unusable log: fewer than 3 records";
}

void Run::chooseSeries() {
    // The open has ticked the product group.
    if (!o_.groups[0])
        c_->chkItem[0]->setChecked(false);
    for (size_t g = 1; g < o_.groups.size(); ++g)
        if (o_.groups[g])
            c_->chkItem[g]->setChecked(true);
    if (!o_.subItems)
        return;
    for (size_t g = 0; g < o_.groups.size(); ++g) {
        if (!o_.groups[g])
            continue;
        c_->cmdItem[g]->click();
        for (size_t k = 1; k < c_->chkItems2.size(); ++k)
            if (!c_->chkItems2[k]->isHidden())
                c_->chkItems2[k]->setChecked(true);
    }
    c_->Command4->click();
}

int Run::setScale() {
    // A bound or step the bars do not take as asked (a lower bound at or above the upper one,
    // a step beyond the bar) would draw another graph than the one asked for: refused.
    QScrollBar* lower = c_->vscScaleMin;
    QScrollBar* upper = c_->vscScaleMax;
    const auto bounds = [&] {
        return "the value bars hold " + std::to_string(lower->value()) + " to " +
               std::to_string(upper->value());
    };
    if (o_.scaleMax)
        upper->setValue(*o_.scaleMax);
    if (o_.scaleMin)
        lower->setValue(*o_.scaleMin);
    if (o_.scaleMax && upper->value() != *o_.scaleMax)
        return refused("--max", *o_.scaleMax, bounds());
    if (o_.scaleMin && lower->value() != *o_.scaleMin)
        return refused("--min", *o_.scaleMin, bounds());
    if (o_.gridY) {
        if (*o_.gridY > c_->hsGridY->maximum())
            return refused("--grid-y", *o_.gridY,
                           "at most " + std::to_string(c_->hsGridY->maximum()) +
                               " for a plot of this height");
        c_->hsGridY->setValue(*o_.gridY);
        if (c_->hsGridY->value() != *o_.gridY)
            return refused("--grid-y", *o_.gridY,
                           "the grid bar holds " + std::to_string(c_->hsGridY->value()));
    }
    return kExitOk;
}

int Run::refused(const char* option, int asked, const std::string& taken) {
    return fail(kExitUsage, std::string(option) + " " + std::to_string(asked) +
                                ": the window does not take it (" + taken + ")");
}

void Run::scrollBack() {
    QScrollBar* bar = c_->hscGraphScroller;
    for (int i = 0; i < o_.back; ++i) {
        // A user cannot press a disabled bar: the window then shows the whole log already.
        if (!bar->isEnabled()) {
            err_ << kTool << "note: the time scroll bar is disabled after " << i << " of --back "
                 << o_.back << '\n';
            return;
        }
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
}

int Run::writeDescription() {
    if (!o_.describeFile)
        return kExitOk;
    // The window draws once more, through surfaces that keep a copy of every call, so the
    // description and the picture come from the same drawing.
    TeeSurface plot(c_->pGraph->surface());
    TeeSurface legend(c_->Legenda->surface());
    bool scrollFlag = false;
    window_->plot().redraw(plot, legend, scrollFlag);
    auto description = describeGraph(state_, *c_, plot.copy(), legend.copy());
    if (const auto* error = std::get_if<DescriptionError>(&description))
        return fail(kExitFailed, "cannot describe the drawing: " + error->message);

    return writeFile(
        *o_.describeFile,
        QJsonDocument(std::get<QJsonObject>(description)).toJson(QJsonDocument::Compact));
}

int Run::writeFile(const std::string& path, const QByteArray& bytes) {
    if (const QString error = writeWholeFile(QString::fromStdString(path), bytes); !error.isEmpty())
        return fail(kExitFailed, path + ": " + error.toStdString());
    return kExitOk;
}

int Run::writeCsv() {
    if (!o_.csvFile)
        return kExitOk;
    const RenderState& drawn = state_.render;
    return writeFile(*o_.csvFile,
                     QByteArray::fromStdString(VisibleDataCsv(
                         state_.records, DrawnRecords{drawn.DrawnOldest, drawn.DrawnNewest},
                         drawn.SeriesOn, state_.texts, ProductTextIndex(settings_))));
}

int Run::writeAnalysis() {
    if (!o_.eventsFile && !o_.dayFiguresFile)
        return kExitOk;
    const LogAnalysis& analysis = state_.Analysis;
    const int16_t product = ProductTextIndex(settings_);
    if (o_.eventsFile)
        if (const int code =
                writeFile(*o_.eventsFile,
                          QByteArray::fromStdString(EventsCsv(analysis, state_.texts, product)));
            code != kExitOk)
            return code;
    if (o_.dayFiguresFile)
        return writeFile(*o_.dayFiguresFile, QByteArray::fromStdString(DayFiguresCsv(
                                                 analysis.days, state_.texts, product)));
    return kExitOk;
}

int Run::writeDayReport() {
    if (!o_.dayReportDate)
        return kExitOk;
    DayReportController& report = window_->dayReport();
    const LogAnalysis& analysis = state_.Analysis;
    const std::optional<size_t> day = DayIndex(analysis, *o_.dayReportDate);
    if (!day) {
        const std::string held = analysis.days.empty()
                                     ? std::string("no readable dates")
                                     : analysis.days.front().date + " to " +
                                           analysis.days.back().date;
        return fail(kExitUsage, "--day-report " + *o_.dayReportDate +
                                    ": the log has no records of that day (it holds " + held +
                                    ")");
    }
    if (const QString error =
            report.writePdf(QString::fromStdString(o_.dayReportFile), analysis, {*day, *day});
        !error.isEmpty())
        return fail(kExitFailed, o_.dayReportFile + ": " + error.toStdString());
    return kExitOk;
}

int Run::writePicture() {
    if (const QString error = writePng(windowPicture(*c_), QString::fromStdString(o_.pngFile));
        !error.isEmpty())
        return fail(kExitFailed, o_.pngFile + ": " + error.toStdString());
    return kExitOk;
}

} // namespace

int runRender(const RenderOptions& options, const std::filesystem::path& languageFolder,
              std::ostream& err) {
    Run run(options, languageFolder, err);
    return run.run();
}

} // namespace osk::render
