// The main window's commands that take what it shows elsewhere: Save picture (PNG, SVG or PDF),
// Copy picture (to the clipboard), Export visible data (the drawn records as CSV), and Export
// events and Export day figures (the loaded log's analysis as CSV).
#pragma once

#include "common/Dialogs.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QObject;

namespace osk {

class WindowPlot;
struct MainWindowControls;
struct ProgramServices;
struct ProgramState;

class ExportController {
public:
    ExportController(MainWindowControls& controls, ProgramState& state, ProgramServices& services,
                     WindowPlot& plot);

    // Connects the menu entries; context ends the connections with the window.
    void connectCommands(QObject& context);

    // Each does nothing without a log, as its menu entry is then disabled.
    void mnuSavePicture_Click();
    void mnuCopyPicture_Click();
    void mnuExportData_Click();
    void mnuExportEvents_Click();
    void mnuExportDayFigures_Click();

    // The folder the Save dialogs start in: that of the last file saved in this run, before
    // that the folder of the log shown.
    std::string saveFolder() const;
    // Remembers the folder of a file just saved, for the next Save dialog of any command.
    void saved(const std::string& path);
    // The message that the file at path was not written, and why.
    void reportNotWritten(const std::string& path, const QString& error);

private:
    // A CSV export: the Save dialog with the title text, offering the window's name with
    // nameSuffix, then the file with the text csv makes.
    void exportCsv(int title, std::string_view nameSuffix, const std::function<std::string()>& csv);

    MainWindowControls& c_;
    ProgramState& state_;
    ProgramServices& services_;
    WindowPlot& plot_;
    std::string lastFolder_;
};

} // namespace osk
