// What printing and previewing ask of the rest of the program: the main window's side (its
// legend, axes, labels and screen plot) and the page outputs (printer jobs and the preview).
#pragma once

#include "graph/Colour.h"
#include "graph/Surface.h"
#include "print/PageLayout.h"
#include "print/PageSurface.h"
#include "print/PrintJob.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace osk {

class PrintHost {
public:
    virtual ~PrintHost() = default;
    // Whether the cell group's box (chkItem 3) is ticked.
    virtual bool cellGroupTicked() const = 0;
    virtual Colour legendBackColor() const = 0;
    virtual void setLegendBackColor(Colour c) = 0;
    // Builds the value labels for labelHeight and the time axis for plotWidth, then redraws the
    // plot onto graph and the legend into the window's legend.
    virtual void redrawOnto(Surface& graph, int32_t plotWidth, int32_t labelHeight) = 0;
    virtual void bringToFront() = 0;
    // The captions the value, time and date labels show now.
    virtual PageLabels labels() const = 0;
    // Rebuilds the axes for the screen plot's size and redraws the screen plot.
    virtual void rebuildScreen() = 0;
};

class PageOutput {
public:
    virtual ~PageOutput() = default;
    // A job on the printer chosen in the print dialog; nullptr when there is no printer.
    virtual std::unique_ptr<PrintJob> newJob() = 0;
    // The preview picture, in its own units, emptied of an earlier preview and its failure.
    virtual PageSurface& preview() = 0;
    // The first failure while filling the preview since preview() was last asked for.
    virtual std::optional<PrintError> previewFailure() const = 0;
    // Brings the filled preview to the screen.
    virtual void showPreview() = 0;
    // Takes an earlier preview off the screen: it would show a preview that could not be filled.
    virtual void hidePreview() = 0;
};

} // namespace osk
