// The main window's placement rules as plain arithmetic: where the plot, the legend, the control
// panel and the labels around them go for a client area, and the conversion between the
// window's outer size in twips and pixels.
#pragma once

namespace osk {

// The smallest outer size of the main window, in twips.
inline constexpr int kMinimumWindowWidthTwips = 10000;
inline constexpr int kMinimumWindowHeightTwips = 8000;
// The outer size the window starts with, in twips.
inline constexpr int kStartWindowWidthTwips = 7500;
inline constexpr int kStartWindowHeightTwips = 8000;

// The fewest whole pixels that cover twips at dotsPerInch (a minimum in twips is then met);
// 0 for no twips or an unusable resolution.
int pixelsForTwips(int twips, double dotsPerInch);

// Twips covered by pixels at dotsPerInch; 0 for an unusable resolution.
double twipsForPixels(int pixels, double dotsPerInch);

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Design positions that never change at run time.
inline constexpr int kPlotLeft = 44;
inline constexpr int kPlotTop = 8;
inline constexpr int kPanelLeft = 16;
inline constexpr int kRecordsLabelLeft = 12;

struct MainWindowLayout {
    PixelRect pGraph;    // the plot
    int Frame5Top = 0;   // the control panel under it
    int LegendaLeft = 0; // the legend right of the plot
    int LegendaTop = 0;
    int lblLegendaTitleLeft = 0;
    int lblLegendaTitleTop = 0;
    int Line1Width = 0;    // the line along the top edge, from the client's left edge
    int lblRecordsTop = 0; // the read-out's record number under the plot
};

// The plot takes the client area but 160 pixels of width and 240 of height (never less than
// nothing); the panel hangs 50 pixels under the plot, the legend 10 pixels right of it.
MainWindowLayout layoutForClient(int clientWidth, int clientHeight);

} // namespace osk
