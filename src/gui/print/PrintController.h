// The main window's print and preview commands (mnuAfdrukken, mnuAfdrukVoorbeeld) and the
// window's side of a page: its legend, axes, labels and plot, drawn for paper and then for the
// screen again. The preview window is loaded on first use and stays loaded with the window.
#pragma once

#include "print/PrintHost.h"
#include "print/PrinterChoice.h"

#include <QPointer>

class QObject;
class QWidget;

namespace osk {

class PlotRedraws;
class WindowOperations;
class frmPreview;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class PrintController final : public PrintHost {
public:
    // mainWindow is the window that is brought to the front for a print and that owns the
    // preview window.
    PrintController(MainWindowControls& controls, ProgramState& state, ProgramServices& services,
                    WindowOperations& window, PlotRedraws& redraws, QWidget& mainWindow);
    ~PrintController() override;
    PrintController(const PrintController&) = delete;
    PrintController& operator=(const PrintController&) = delete;

    // Connects the two menu entries; context ends the connections with the window.
    void connectCommands(QObject& context);

    // Each is one action: the screen plot is redrawn once, when the command has ended.
    void mnuAfdrukken_Click();
    void mnuAfdrukVoorbeeld_Click();

    // The printer the Print dialog sets up and every job prints on.
    PrinterChoice& printer() { return printer_; }
    // frmPreview, loaded (hidden) on first use.
    frmPreview& previewWindow();

    // PrintHost
    bool cellGroupTicked() const override;
    Colour legendBackColor() const override;
    void setLegendBackColor(Colour c) override;
    void redrawOnto(Surface& graph, int32_t plotWidth, int32_t labelHeight) override;
    void bringToFront() override;
    PageLabels labels() const override;
    void rebuildScreen() override;

private:
    void run(bool preview);
    // Redraws the screen plot on its own, outside the window's merged redraws.
    void redrawScreenWithoutLog();

    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
    WindowOperations& window_;
    PlotRedraws& redraws_;
    QWidget& mainWindow_;
    PrinterChoice printer_;
    QPointer<frmPreview> preview_;
    // The screen plot is to be drawn again although no log counts as loaded.
    bool screenOwed_ = false;
};

} // namespace osk
