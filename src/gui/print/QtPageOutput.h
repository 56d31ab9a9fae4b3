// Where the program's pages go: print jobs on the printer chosen in the Print dialog, and the
// preview window.
#pragma once

#include "print/PrintHost.h"

namespace osk {

class PrinterChoice;
class frmPreview;

class QtPageOutput final : public PageOutput {
public:
    QtPageOutput(PrinterChoice& printer, frmPreview& preview);

    std::unique_ptr<PrintJob> newJob() override;
    PageSurface& preview() override;
    std::optional<PrintError> previewFailure() const override;
    void showPreview() override;
    void hidePreview() override;

private:
    PrinterChoice& printer_;
    frmPreview& preview_;
};

} // namespace osk
