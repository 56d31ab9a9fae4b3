// The picture of what the main window shows: the plot with the value labels left of it, the
// time and date labels under it and the legend beside it, everything above the control panel.
// The window's Save and Copy picture commands and osk-graphs-render all take it from here.
#pragma once

#include <QImage>
#include <QSize>

class QPainter;

namespace osk {

struct MainWindowControls;
class WindowPlot;

// The size of the picture in pixels: the client area's width, down to the control panel.
QSize windowPictureSize(const MainWindowControls& controls);

// The picture as the window paints it, from the plot's and the legend's own pictures.
QImage windowPicture(const MainWindowControls& controls);

// The same composition painted onto painter (one painter unit to a pixel), with the plot and
// the legend drawn again through the painter as lines and texts: for vector pictures.
void paintWindowPicture(QPainter& painter, const MainWindowControls& controls, WindowPlot& plot);

} // namespace osk
