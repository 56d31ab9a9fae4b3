#include "print/RenderPage.h"

#include "common/Numbers.h"
#include "lang/TextNumbers.h"
#include "print/ContactLines.h"
#include "print/PageDraw.h"
#include "print/PageLayout.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>

namespace osk {

namespace {

// The label height leaves room below the lowest value label.
constexpr double kLabelHeightMargin = 5;

std::string newestRecordTime(const RecordTable& records) {
    const int32_t r = records.ViewEndRecord;
    return RecordTable::validRow(r) ? records.RecordTime[static_cast<size_t>(r)] : std::string();
}

PageInputs pageInputs(const PrintContext& ctx, double pageWidth) {
    PageInputs in;
    in.pageWidth = pageWidth;
    in.product = ctx.texts[kTextProduct];
    in.date = ctx.texts[kTextPageDate];
    in.timeCaption = ctx.texts[kTextPageTime];
    in.valueCaption = ctx.texts[kTextPageMeasuringValue];
    in.legendCaption = ctx.texts[kTextLegend];
    in.newestRecordTime = newestRecordTime(ctx.records);
    in.logPath = ctx.records.LogSource.path();
    in.labels = ctx.host.labels();
    for (size_t i = 0; i < in.contactLines.size(); ++i)
        in.contactLines[i] = std::string(kContactLines[i]);
    return in;
}

void fillPreview(PageSurface& preview) {
    preview.clear();
    preview.drawPicture(PagePicture::Plot, kPreviewPlotX, kPreviewPlotY, 0, 0);
    preview.drawPicture(PagePicture::Legend, kPreviewLegendX, kPreviewLegendY, 0, 0);
}

// The header still copies the legend as drawn for paper; the window may show its own colour
// again before the body is drawn.
std::optional<PrintError> printPage(const PrintContext& ctx, PrintJob& job,
                                    const std::function<void()>& restoreLegend) {
    PageSurface& page = job.page();
    const PageLayout layout = LayOutPage(pageInputs(ctx, job.pageWidth()));
    DrawPageItems(page, layout.header);
    if (auto failed = job.failure())
        return failed;
    restoreLegend();
    DrawPageItems(page, layout.body);
    if (auto failed = job.failure())
        return failed;
    return job.finish();
}

} // namespace

std::string PrintErrorMessage(const Texts& texts, const PrintError& error) {
    return texts[kTextPrinterError] + "  (" + std::to_string(error.number) + "  " +
           error.description + ")";
}

bool RenderPage(PrintContext& ctx, Surface& graph, bool preview) {
    // Every page is drawn as for paper, also a later copy of one print command: the page before
    // it has already cleared the flag.
    ctx.render.Printing = true;
    if (ctx.host.cellGroupTicked())
        ctx.dialogs.message(ctx.texts[kTextCellsNotPrinted], MessageIcon::Information,
                            ctx.texts[kTextProgramTitle]);

    const Colour legendBack = ctx.host.legendBackColor();
    bool legendRestored = false;
    const std::function<void()> restoreLegend = [&] {
        if (!legendRestored)
            ctx.host.setLegendBackColor(legendBack);
        legendRestored = true;
    };

    std::unique_ptr<PrintJob> job;
    std::optional<PrintError> error;
    try {
        ctx.host.setLegendBackColor(kWhite);
        ctx.host.redrawOnto(graph, roundToInt32(graph.width()).value_or(0),
                            roundToInt32(graph.height() - kLabelHeightMargin).value_or(0));
        if (!preview) {
            ctx.host.bringToFront();
            job = ctx.output.newJob();
            if (job)
                error = job->start();
            else
                error = PrintError{kPrintErrorNoPrinter, "No printer is available"};
        }
        if (!error) {
            graph.flush();
            if (preview) {
                fillPreview(ctx.output.preview());
                error = ctx.output.previewFailure();
                restoreLegend();
            } else {
                error = printPage(ctx, *job, restoreLegend);
            }
        }
    } catch (const std::exception& e) {
        error = PrintError{kPrintErrorInternal, e.what()};
    } catch (...) {
        error = PrintError{kPrintErrorInternal, "Unknown failure"};
    }

    if (error) {
        // An unfinished page must not come out of the printer with the next job.
        if (job)
            job->abort();
        ctx.dialogs.message(PrintErrorMessage(ctx.texts, *error), MessageIcon::None,
                            ctx.texts[kTextProgramTitle]);
    }
    restoreLegend();
    ctx.render.Printing = false;
    ctx.host.rebuildScreen();
    return !error;
}

void PrintCommand(PrintContext& ctx, Surface& graph) {
    ctx.render.Printing = true;
    if (const std::optional<int> copies = ctx.dialogs.choosePrint()) {
        for (int copy = 0; copy < *copies; ++copy)
            RenderPage(ctx, graph, false);
    }
    ctx.render.Printing = false;
}

void PreviewCommand(PrintContext& ctx, Surface& graph) {
    ctx.render.Printing = true;
    const bool filled = RenderPage(ctx, graph, true);
    ctx.render.Printing = false;
    // The message has said what went wrong; a half-filled preview would only mislead.
    if (filled)
        ctx.output.showPreview();
    else
        ctx.output.hidePreview();
}

} // namespace osk
