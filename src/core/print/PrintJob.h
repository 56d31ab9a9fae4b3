// One print job of one page, as the page rendering drives it: start, draw, then either finish
// (the page goes to the printer) or abort (nothing reaches the printer).
#pragma once

#include "print/PageSurface.h"

#include <cstdint>
#include <optional>
#include <string>

namespace osk {

// What went wrong, with the number and description shown to the user.
struct PrintError {
    int32_t number = 0;
    std::string description;
};

enum PrintErrorNumber : int32_t {
    kPrintErrorNoPrinter = 1, // no printer is installed or chosen
    kPrintErrorStart = 2,     // the printer refused to start the job
    kPrintErrorPicture = 3,   // a picture could not be copied onto the page
    kPrintErrorPage = 4,      // drawing or sending the page failed
    kPrintErrorInternal = 5,  // anything else (out of memory, ...)
};

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // Opens the job with the paper in landscape.
    virtual std::optional<PrintError> start() = 0;
    // The page, in twips from the top-left corner of the printable area.
    virtual PageSurface& page() = 0;
    // Width of the paper in twips, as it lies in landscape; known once started.
    virtual double pageWidth() const = 0;
    // The first failure while drawing the page, if any.
    virtual std::optional<PrintError> failure() const = 0;
    // Ends the document: the page goes to the printer as one job.
    virtual std::optional<PrintError> finish() = 0;
    // Drops the unfinished page; nothing of it reaches the printer.
    virtual void abort() = 0;
};

} // namespace osk
