#include "print/PrinterSurface.h"

#include "common/Numbers.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <string>

namespace osk {

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kTwipsPerMillimetre = kTwipsPerInch / 25.4;

std::string quotedName(const QPrinter& printer) {
    // Built with QString: GCC 12 at -O3 warns (wrongly) about "\"" + std::string.
    return QStringLiteral("\"%1\"").arg(printer.printerName()).toStdString();
}

} // namespace

PrinterSurface::PrinterSurface(QPrinter& printer, const PagePictures& pictures)
    : RecordedPageSurface(pictures, kTwipsPerInch, QSizeF()), printer_(printer) {}

std::optional<PrintError> PrinterSurface::start() {
    reset();
    started_ = false;
    if (!printer_.isValid())
        return PrintError{kPrintErrorNoPrinter, "No printer is available"};
    printer_.setPageOrientation(QPageLayout::Landscape);
    printer_.setCopyCount(1);
    printer_.setFullPage(false);
    const QPageLayout layout = printer_.pageLayout();
    // Millimetres hold the common paper sizes exactly (A4 is 297 mm, letter 279.4 mm).
    pageWidth_ = layout.fullRect(QPageLayout::Millimeter).width() * kTwipsPerMillimetre;
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    setArea(QSizeF(printable.width() * kTwipsPerPoint, printable.height() * kTwipsPerPoint));
    if (!(pageWidth_ > 0) || printable.isEmpty())
        return PrintError{kPrintErrorStart,
                          "The printer " + quotedName(printer_) + " reports no usable paper size"};
    started_ = true;
    return std::nullopt;
}

std::optional<PrintError> PrinterSurface::finish() {
    if (!started_)
        return PrintError{kPrintErrorPage, "The print job was not started"};
    started_ = false;
    QPainter painter;
    if (!painter.begin(&printer_))
        return PrintError{kPrintErrorStart,
                          "The printer " + quotedName(printer_) + " did not accept the job"};
    const double dpi = printer_.resolution();
    drawing().paint(painter, dpi / kTwipsPerInch, dpi);
    const bool ended = painter.end();
    if (!ended || printer_.printerState() == QPrinter::Error)
        return PrintError{kPrintErrorPage,
                          "The page could not be sent to the printer " + quotedName(printer_)};
    return std::nullopt;
}

void PrinterSurface::abort() {
    reset();
    started_ = false;
}

} // namespace osk
