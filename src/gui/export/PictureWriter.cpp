#include "export/PictureWriter.h"

#include "app/MainWindowControls.h"
#include "export/PngFile.h"
#include "export/SvgPicture.h"
#include "export/WindowPicture.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QWidget>

namespace osk {

namespace {

constexpr double kPointsPerInch = 72;

// Paints the picture onto device, which writes into file; false when the painter could not
// start or finish.
bool paintOnto(QPaintDevice& device, const MainWindowControls& c, WindowPlot& plot) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintWindowPicture(painter, c, plot);
    return painter.end();
}

bool paintVector(QIODevice& file, const MainWindowControls& c, WindowPlot& plot,
                 PictureFormat format) {
    const QSize size = windowPictureSize(c);
    // One painter unit to a pixel of the window, so that texts keep their sizes.
    const int dpi = c.client->logicalDpiX() > 0 ? c.client->logicalDpiX() : 96;
    if (format == PictureFormat::Svg) {
        SvgPicture svg(file, size, dpi, QStringLiteral("OSK-Graphs"));
        return paintOnto(svg, c, plot);
    }
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("OSK-Graphs"));
    pdf.setTitle(QStringLiteral("OSK-Graphs"));
    pdf.setResolution(dpi);
    pdf.setPageMargins(QMarginsF());
    pdf.setPageSize(QPageSize(QSizeF(size) * (kPointsPerInch / dpi), QPageSize::Point, QString(),
                              QPageSize::ExactMatch));
    return paintOnto(pdf, c, plot);
}

} // namespace

QString writeSavedFile(const QString& path, const QString& notWritten,
                       const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const bool written = write(file);
    if (!written || file.error() != QFileDevice::NoError) {
        const QString error = written ? file.errorString() : notWritten;
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeWindowPicture(const MainWindowControls& c, WindowPlot& plot, const PictureFile& file) {
    if (file.format == PictureFormat::Png)
        return writePng(windowPicture(c), QString::fromStdString(file.path));
    return writeSavedFile(QString::fromStdString(file.path),
                          QStringLiteral("the picture could not be drawn"),
                          [&](QIODevice& device) {
                              return paintVector(device, c, plot, file.format);
                          });
}

} // namespace osk
