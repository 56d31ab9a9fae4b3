// Where everything on the printed page goes, as data: the header (pictures, product and date,
// the rule under it) and the body (axes, labels, captions, log path, contact lines), in twips
// from the top-left corner of the printable area, shifted right on wide paper.
#pragma once

#include "graph/Colour.h"
#include "logdata/RecordTime.h"
#include "print/PageSurface.h"
#include "view/ViewState.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace osk {

// Paper up to this width (twips) keeps the page at the left edge; wider paper moves every x
// position right by the whole excess.
inline constexpr double kPageBaseWidth = 15260;

struct PageFont {
    std::string_view name;
    double points = 0;
};
inline constexpr PageFont kPageHeaderFont{"Verdana", 10};
inline constexpr PageFont kPageBodyFont{"MS Sans Serif", 8.25};

// A picture copied to (x, y), stretched to width x height; 0 keeps its own size.
struct PagePicturePlacement {
    PagePicture which = PagePicture::Plot;
    double x = 0, y = 0, width = 0, height = 0;
};

// A text with its top-left corner at (x, y).
struct PageText {
    double x = 0, y = 0;
    std::string text;
    PageFont font;
};

// Line widths count dots of the page surface's pen (see the page surface for their size).
struct PageLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;
    Colour colour = kBlack;
};

using PageItem = std::variant<PagePicturePlacement, PageText, PageLine>;

inline constexpr int kContactLineCount = 4;

// The captions of the window's value, time and date labels as they are shown.
struct PageLabels {
    std::array<std::string, kValueLabels> valueLabels{};
    std::array<std::string, kTimeLabels> timeLabels{};
    std::array<std::string, kTimeLabels> dateLabels{};
};

struct PageInputs {
    double pageWidth = 0;         // twips
    std::string product;          // "Product"
    std::string date;             // "Date"
    std::string timeCaption;      // under the time axis
    std::string valueCaption;     // over the value axis
    std::string legendCaption;    // over the legend
    std::string newestRecordTime; // time text of the newest record in the window
    std::string logPath;
    PageLabels labels;
    std::array<std::string, kContactLineCount> contactLines{};
};

struct PageLayout {
    int32_t dx = 0;
    std::vector<PageItem> header; // drawn while the legend still shows its paper colours
    std::vector<PageItem> body;
};

// The shift of every x position: the paper width minus kPageBaseWidth, rounded (halves to
// even), on paper wider than that; otherwise, and for a width that is not a usable number, 0.
int32_t PageOffset(double pageWidth);

PageLayout LayOutPage(const PageInputs& in);

} // namespace osk
