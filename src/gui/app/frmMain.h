// The main window: the plot with its legend, labels and control panel, the menus, and the
// start-up load. Its behaviour is split over one controller per subsystem; the window composes
// them and offers them the shared operations.
#pragma once

#include "app/MainWindowControls.h"
#include "app/SettingsController.h"
#include "app/WindowAxes.h"
#include "app/WindowOperations.h"
#include "app/WindowPlot.h"
#include "events/EventsController.h"
#include "export/ExportController.h"
#include "graph/AlarmBandsMenu.h"
#include "graph/DrawStyleController.h"
#include "graph/PlotRedraws.h"
#include "graph/ProductSystemMenu.h"
#include "graph/SeriesSelectionController.h"
#include "lang/LanguageContext.h"
#include "lang/TextsController.h"
#include "logdata/LogDropTarget.h"
#include "logdata/OpenCommand.h"
#include "print/PrintController.h"
#include "realtime/RealtimeController.h"
#include "view/LayoutController.h"
#include "view/ReadoutController.h"
#include "view/TimeWindowController.h"
#include "view/ValueScaleController.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace osk {

class DayReportController;
class frmAbout;
struct ProgramServices;
struct ProgramState;

class frmMain : public QMainWindow, public LanguageHost, public WindowOperations {
    Q_OBJECT
public:
    // Builds the window hidden, with its controls at their design positions and Timer1 ticking.
    frmMain(ProgramState& state, ProgramServices& services);
    ~frmMain() override;

    // The load: settings into the menus, the texts, the initial sizes and selections, the
    // no-log state. A step that fails brings the default settings; the load goes on after it.
    void Form_Load();

    const MainWindowControls& controls() const { return c_; }

    // The About box, loaded hidden on first use; it stays loaded until the program ends.
    frmAbout& aboutBox();
    // mnuAbout and Image1: the About box, modal.
    void showAbout();
    // mnuExit: releases the plot and closes the window, which ends the program.
    void mnuExit_Click();

    // LanguageHost
    void ApplyTexts() override;
    void checkEnglishMenu() override;

    // WindowOperations
    void EnableDataControls(bool enabled) override;
    void BuildTimeAxis(int plotWidth) override;
    void BuildValueLabels(int labelHeight) override;
    void requestRedraw() override;
    void redrawNow(Surface& surface, bool& scrollFlag) override;
    void setCaption(const std::string& text) override;
    int plotOuterWidth() const override;
    int plotOuterHeight() const override;
    int plotInnerHeight() const override;

    // The post-load steps and the move to the newest records, for the commands that load a
    // log (the open command, the real-time refresh); their controllers define them. The load
    // itself never needs them: no log can be loaded before the window exists.
    void InitAfterLoad();
    void ShowNewest();

    // The plot's redraws: one per user action, counted.
    PlotRedraws& redraws() { return redraws_; }
    // The plot's side of the window, for drawing it through another surface.
    WindowPlot& plot() { return plot_; }
    OpenCommand& openCommand() { return open_; }
    RealtimeController& realtime() { return realtime_; }
    PrintController& printing() { return print_; }
    ExportController& exports() { return exports_; }
    EventsController& events() { return events_; }
    DayReportController& dayReport() { return *dayReport_; }

protected:
    // The unload: releases the plot and closes the other windows (About box, print preview).
    void closeEvent(QCloseEvent* event) override;

private:
    void InitWindow();
    void Timer1_Timer();
    void connectCommands();

    ProgramState& state_;
    ProgramServices& services_;
    MainWindowControls c_;
    WindowPlot plot_;
    WindowAxes axes_;
    TextsController texts_;
    ProductSystemMenu products_;
    SettingsController settings_;
    LayoutController layout_;
    PlotRedraws redraws_;
    TimeWindowController time_;
    ValueScaleController values_;
    SeriesSelectionController series_;
    DrawStyleController drawStyle_;
    AlarmBandsMenu alarmBands_;
    OpenCommand open_;
    LogDropTarget drop_;
    ReadoutController readout_;
    RealtimeController realtime_;
    PrintController print_;
    ExportController exports_;
    EventsController events_;
    std::unique_ptr<DayReportController> dayReport_;
    QPointer<frmAbout> about_;
};

} // namespace osk
