#include "logdata/OpenCommand.h"

#include "app/Handlers.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/WindowOperations.h"
#include "app/WindowPlot.h"
#include "graph/PictureBox.h"
#include "graph/Plot.h"
#include "graph/PlotRedraws.h"
#include "graph/TimeStep.h"
#include "lang/TextNumbers.h"
#include "logdata/FileReader.h"
#include "view/TimeWindowController.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>

namespace osk {

namespace {

constexpr const char* kLogFilters = "All Files (*.*)|*.*|CSV Files (*.csv)|*.csv";
constexpr int kCsvFilter = 2;
// The grid step the plot is bound with after every load.
constexpr int16_t kBoundGridStep = 20;

void emptyRecordTable(RecordTable& records) {
    std::fill(records.RecordTime.begin(), records.RecordTime.end(), std::string());
    std::fill(records.values.begin(), records.values.end(), 0.0);
}

} // namespace

OpenCommand::OpenCommand(MainWindowControls& controls, ProgramState& state,
                         ProgramServices& services, WindowOperations& window, WindowPlot& plot,
                         PlotRedraws& redraws, TimeWindowController& time)
    : c_(controls), state_(state), services_(services), window_(window), plot_(plot),
      redraws_(redraws), time_(time), host_(controls, window, [this] { return chooseForRead(); }) {}

void OpenCommand::connectCommands(QObject& context) {
    connectAction(c_.mnuOpenFile, &QAction::triggered, context, redraws_,
                  [this] { mnuOpenFile_Click(); });
}

void OpenCommand::openPath(const std::string& path) {
    const PlotRedraws::ActionScope action(redraws_);
    givenAnswer_ = path;
    mnuOpenFile_Click();
    givenAnswer_.reset();
}

std::string OpenCommand::chooseForRead() {
    std::string name = SelectLogFile();
    emptyRecordTable(state_.records);
    return name;
}

void OpenCommand::mnuOpenFile_Click() {
    FileReader reader(state_.records, state_.texts, services_.dialogs, services_.settings, host_);
    reader.readFile(chooseForRead());
    if (!state_.records.FileLoaded) {
        window_.EnableDataControls(false);
        return;
    }
    InitAfterLoad();
    window_.EnableDataControls(true);
    time_.ShowNewest();
    window_.BuildValueLabels(valueLabelHeight(window_, ValueLabelHeight::PlotInnerLessFive));
    window_.BuildTimeAxis(window_.plotOuterWidth());
    redraws_.request();
    // Switches the product group on, unless it is on already.
    c_.chkItem[0]->setChecked(true);
}

std::string OpenCommand::SelectLogFile() {
    const Texts& t = state_.texts;
    const std::string& title = t[kTextProgramTitle];
    for (;;) {
        OpenFileRequest request;
        request.initialFolder =
            services_.settings.RegRead(settings::kDataDir) + QDir::separator().toLatin1() + "Data";
        request.filter = kLogFilters;
        request.selectedFilter = kCsvFilter;
        request.rememberedPath = state_.openDialogPath;

        std::optional<std::string> chosen;
        if (givenAnswer_) {
            chosen = std::move(givenAnswer_);
            givenAnswer_.reset();
        } else {
            chosen = services_.dialogs.chooseOpenFile(request);
        }
        // A cancel keeps the file shown now, so that it is read again; without a log it
        // leaves nothing to read.
        if (chosen && !chosen->empty())
            state_.openDialogPath = *chosen;
        else if (!state_.records.FileLoaded)
            state_.openDialogPath.clear();

        if (!state_.openDialogPath.empty()) {
            window_.setCaption(WindowCaption(t, CaptionState::Choosing));
            return state_.openDialogPath;
        }
        if (!services_.dialogs.askYesNo(t[kTextNoFileSelected], title)) {
            window_.setCaption(WindowCaption(t, CaptionState::NoFileLoaded));
            return {};
        }
    }
}

void OpenCommand::InitAfterLoad() {
    PlotRedraws::ActionScope action(redraws_);
    state_.view.ScrollerMayShiftScale = true;
    PlotInputs in = plot_.inputs();
    BindPlot(in, c_.pGraph->surface(), kBoundGridStep);
    c_.pGraph->refresh();
    c_.hsGridY->setMaximum(window_.plotOuterHeight());
    c_.lblYValue->setNum(c_.hsGridY->value());
    window_.BuildValueLabels(valueLabelHeight(window_, ValueLabelHeight::PlotInnerLessFive));
    window_.BuildTimeAxis(window_.plotOuterWidth());
    ComputeRecordSteps(state_.records, state_.render.RecordStep);
    // Once per load and refresh, not per redraw.
    state_.Analysis = AnalyseLog(state_.records);
}

} // namespace osk
