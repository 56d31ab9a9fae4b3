// Writing the picture as a PNG file quickly, with Qt's own PNG writer at a low compression
// setting: a full window of 1600 x 900 plot pixels is written in well under a tenth of a second.
#pragma once

#include <QImage>
#include <QString>

namespace osk {

// Writes image (any format; converted to 32-bit RGB when needed) to path, replacing it only
// once the whole file is written. Returns an error text, empty on success.
QString writePng(const QImage& image, const QString& path);

} // namespace osk
