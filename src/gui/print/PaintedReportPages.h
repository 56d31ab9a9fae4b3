// The pages of a report painted onto a paged device, a printer or a PDF writer: each page is
// kept as it is drawn and painted whole when the next one begins or the report ends.
#pragma once

#include "print/DayReport.h"
#include "print/PagePictures.h"
#include "print/RecordedPageSurface.h"

#include <QPainter>

class QPagedPaintDevice;

namespace osk {

class PaintedReportPages final : public ReportPages {
public:
    // device must be set up (paper, landscape, margins) and outlive the pages; the page's
    // units are twips from the top-left corner of its printable area.
    explicit PaintedReportPages(QPagedPaintDevice& device);
    ~PaintedReportPages() override;
    PaintedReportPages(const PaintedReportPages&) = delete;
    PaintedReportPages& operator=(const PaintedReportPages&) = delete;

    // nullptr when the device would not start painting or take a new page.
    PageSurface* newPage() override;
    // Paints the last page and ends the document; false when any page could not be painted.
    bool finish();

private:
    void paintPending();

    QPagedPaintDevice& device_;
    QPainter painter_;
    PagePictures pictures_;
    RecordedPageSurface page_;
    int pages_ = 0;
    bool failed_ = false;
};

} // namespace osk
