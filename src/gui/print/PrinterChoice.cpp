#include "print/PrinterChoice.h"

#include <QAbstractPrintDialog>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace osk {

PrinterChoice::PrinterChoice() = default;

PrinterChoice::~PrinterChoice() = default;

QPrinter& PrinterChoice::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(QPageLayout::Landscape);
        printer_->setDocName(QStringLiteral("OSK-Graphs"));
    }
    return *printer_;
}

std::optional<int> PrinterChoice::choose(QWidget* parent) {
    QPrinter& chosen = printer();
    chosen.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&chosen, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int copies = std::max(1, chosen.copyCount());
    chosen.setCopyCount(1);
    return copies;
}

bool PrinterChoice::selectPrinter(const QString& name) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return false;
    QPrinter& chosen = printer();
    // A file set up earlier would take the pages instead of the queue.
    chosen.setOutputFileName(QString());
    chosen.setOutputFormat(QPrinter::NativeFormat);
    chosen.setPrinterName(name);
    chosen.setPageOrientation(QPageLayout::Landscape);
    return chosen.isValid();
}

} // namespace osk
