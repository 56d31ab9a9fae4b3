// A paint device that writes what is painted onto it as an SVG document (SVG 1.2 Tiny): shapes as
// rect, line, polyline, polygon and path elements, each with its own colours and line width;
// texts as text elements with their font; pictures as embedded PNG images. Clipping is not
// written: SVG Tiny has no clip paths. Save picture writes its vector picture through it.
#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

class QIODevice;

namespace osk {

class SvgPaintEngine;

class SvgPicture final : public QPaintDevice {
public:
    // A picture of size painter units (its view box), dpi of them to the inch, with the given
    // title. Each painter that ends on it writes one whole document to out, which must be open
    // for writing and outlive the picture; a failed write is for out to report.
    SvgPicture(QIODevice& out, QSize size, int dpi, const QString& title);
    ~SvgPicture() override;
    SvgPicture(const SvgPicture&) = delete;
    SvgPicture& operator=(const SvgPicture&) = delete;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    int dpi_;
    std::unique_ptr<SvgPaintEngine> engine_;
};

} // namespace osk
