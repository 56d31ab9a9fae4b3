// One print job of one page on a real printer. The page is kept while it is drawn and goes to
// the printer in one painting session when it is finished, so that a page that fails half-way
// is dropped whole: the printer's own abort cannot take back what was already painted.
#pragma once

#include "print/PagePictures.h"
#include "print/PrintJob.h"
#include "print/RecordedPageSurface.h"

#include <optional>

class QPrinter;

namespace osk {

class PrinterSurface final : public RecordedPageSurface, public PrintJob {
public:
    // printer and pictures must outlive the job.
    PrinterSurface(QPrinter& printer, const PagePictures& pictures);

    // Turns the paper to landscape and sets one copy; the page's units are twips from the
    // top-left corner of the printable area.
    std::optional<PrintError> start() override;
    PageSurface& page() override { return *this; }
    double pageWidth() const override { return pageWidth_; }
    std::optional<PrintError> failure() const override { return pictureFailure(); }
    std::optional<PrintError> finish() override;
    void abort() override;

private:
    QPrinter& printer_;
    double pageWidth_ = 0;
    bool started_ = false;
};

} // namespace osk
