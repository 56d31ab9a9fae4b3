// Writing the picture as a PNG file quickly. A graph is mostly flat background with thin lines:
// each row is filtered against the row above and packed at a low zlib level, which costs a
// fraction of the encoder's default search over every filter and gives files of about the same
// size.
#pragma once

#include <QImage>
#include <QString>

namespace osk {

// Writes image (any format; converted to 32-bit RGB when needed) to path, replacing it only
// once the whole file is written. Returns an error text, empty on success.
QString writePng(const QImage& image, const QString& path);

} // namespace osk
