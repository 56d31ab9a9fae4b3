#include "print/QtPageOutput.h"

#include "print/PreviewPicture.h"
#include "print/PrinterChoice.h"
#include "print/PrinterSurface.h"
#include "print/frmPreview.h"

#include <QPrinter>

namespace osk {

QtPageOutput::QtPageOutput(PrinterChoice& printer, frmPreview& preview)
    : printer_(printer), preview_(preview) {}

std::unique_ptr<PrintJob> QtPageOutput::newJob() {
    if (!printer_.printer().isValid())
        return nullptr;
    return std::make_unique<PrinterSurface>(printer_.printer(), preview_.pictures());
}

PageSurface& QtPageOutput::preview() {
    RecordedPageSurface& surface = preview_.preview().surface();
    surface.reset();
    return surface;
}

std::optional<PrintError> QtPageOutput::previewFailure() const {
    return preview_.preview().surface().pictureFailure();
}

void QtPageOutput::showPreview() {
    preview_.showFilled();
}

void QtPageOutput::hidePreview() {
    preview_.hide();
}

} // namespace osk
