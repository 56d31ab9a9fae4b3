#include "print/PrinterChoice.h"

#include <QAbstractPrintDialog>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace osk {

PrinterChoice::PrinterChoice() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setPageOrientation(QPageLayout::Landscape);
    printer_->setDocName(QStringLiteral("OSK-Graphs"));
}

PrinterChoice::~PrinterChoice() = default;

std::optional<int> PrinterChoice::choose(QWidget* parent) {
    printer_->setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int copies = std::max(1, printer_->copyCount());
    printer_->setCopyCount(1);
    return copies;
}

bool PrinterChoice::selectPrinter(const QString& name) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return false;
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(name);
    printer_->setPageOrientation(QPageLayout::Landscape);
    return printer_->isValid();
}

} // namespace osk
