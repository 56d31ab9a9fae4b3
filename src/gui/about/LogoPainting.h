// The program's mark (a drop with a graph line in it) and its wordmark (the name over a graph
// line), painted from their geometry at any size. resources/osk-graphs.svg holds the same mark
// for the desktop.
#pragma once

class QPainter;
class QRectF;

namespace osk {

// The mark: its 128 x 128 canvas stretched over rect.
void paintMark(QPainter& painter, const QRectF& rect);

// The wordmark: its 320 x 80 canvas stretched over rect.
void paintWordmark(QPainter& painter, const QRectF& rect);

} // namespace osk
