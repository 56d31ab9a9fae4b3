// The print and preview commands and the page rendering they share: the plot is drawn once
// onto a hidden surface, whose picture then goes to the page or into the preview.
#pragma once

#include "common/Dialogs.h"
#include "graph/RenderState.h"
#include "graph/Surface.h"
#include "lang/Texts.h"
#include "logdata/RecordTable.h"
#include "print/PrintHost.h"
#include "print/PrintJob.h"

#include <string>

namespace osk {

// Where the preview shows the plot and the legend, in the preview's own units.
inline constexpr double kPreviewPlotX = 70, kPreviewPlotY = 50;
inline constexpr double kPreviewLegendX = 1180, kPreviewLegendY = 50;

struct PrintContext {
    RenderState& render; // Printing
    const RecordTable& records;
    const Texts& texts;
    Dialogs& dialogs;
    PrintHost& host;
    PageOutput& output;
};

// The message shown when a page fails: "Printer error!  (3  description)".
std::string PrintErrorMessage(const Texts& texts, const PrintError& error);

// Draws the plot onto graph and either prints one page as one job or fills the preview. A
// failure is reported in a message and the page is dropped. Either way the legend gets its
// colour back, Printing is cleared and the screen plot is rebuilt. True when the page was
// printed or the preview filled.
bool RenderPage(PrintContext& ctx, Surface& graph, bool preview);

// The print command: the print dialog, then one job per copy; cancelling ends silently.
void PrintCommand(PrintContext& ctx, Surface& graph);

// The preview command: fills the preview and shows it; a preview that failed is not shown, and
// an earlier one is taken off the screen.
void PreviewCommand(PrintContext& ctx, Surface& graph);

} // namespace osk
