#include "export/PngFile.h"

#include <QImageWriter>
#include <QSaveFile>

namespace osk {

namespace {

// Qt maps a PNG quality of 0..100 onto zlib's levels 9..0; 67 is level 3. A graph is mostly flat
// background with thin lines: this level writes it in about four fifths of the default's time,
// in a file of some tens of kilobytes (half as large again as the default's).
constexpr int kPngQuality = 67;

} // namespace

QString writePng(const QImage& image, const QString& path) {
    if (image.isNull())
        return QStringLiteral("no picture to write");
    // No alpha channel in the file, whatever the picture's format: the window is opaque.
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, QByteArrayLiteral("png"));
    writer.setQuality(kPngQuality);
    if (!writer.write(rgb)) {
        // A failed write of the file itself says why; anything else is the encoder's own.
        const QString error = file.error() != QFileDevice::NoError
                                  ? file.errorString()
                                  : QStringLiteral("the PNG encoder failed");
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace osk
