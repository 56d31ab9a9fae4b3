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

QString writeVector(const MainWindowControls& c, WindowPlot& plot, const PictureFile& picture) {
    QSaveFile file(QString::fromStdString(picture.path));
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QSize size = windowPictureSize(c);
    // One painter unit to a pixel of the window, so that texts keep their sizes.
    const int dpi = c.client->logicalDpiX() > 0 ? c.client->logicalDpiX() : 96;
    bool painted = false;
    if (picture.format == PictureFormat::Svg) {
        SvgPicture svg(file, size, dpi, QStringLiteral("OSK-Graphs"));
        painted = paintOnto(svg, c, plot);
    } else {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("OSK-Graphs"));
        pdf.setTitle(QStringLiteral("OSK-Graphs"));
        pdf.setResolution(dpi);
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(QPageSize(QSizeF(size) * (kPointsPerInch / dpi), QPageSize::Point,
                                  QString(), QPageSize::ExactMatch));
        painted = paintOnto(pdf, c, plot);
    }
    if (!painted || file.error() != QFileDevice::NoError) {
        const QString error =
            painted ? file.errorString() : QStringLiteral("the picture could not be drawn");
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace

QString writeWindowPicture(const MainWindowControls& c, WindowPlot& plot, const PictureFile& file) {
    if (file.format == PictureFormat::Png)
        return writePng(windowPicture(c), QString::fromStdString(file.path));
    return writeVector(c, plot, file);
}

} // namespace osk
