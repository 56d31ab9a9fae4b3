// The printer the program prints on, as the Print dialog sets it up, and the number of copies
// chosen there. The real Dialogs answer their print prompt with choose(); tests and scripted
// runs pick a print queue by name without a dialog. The printer is only looked up on first use:
// asking the print system for its default queue must not slow down every start of the window.
#pragma once

#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace osk {

class PrinterChoice {
public:
    PrinterChoice();
    ~PrinterChoice();
    PrinterChoice(const PrinterChoice&) = delete;
    PrinterChoice& operator=(const PrinterChoice&) = delete;

    // The Print dialog with the paper in landscape and no "selection" range. The copies chosen,
    // or nullopt when the user cancelled. The printer keeps one copy per job: the print command
    // sends each copy as a job of its own.
    std::optional<int> choose(QWidget* parent);

    // Prints on the named queue from now on, not into a file; false (and no change) when there
    // is no such queue.
    bool selectPrinter(const QString& name);

    QPrinter& printer();

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace osk
