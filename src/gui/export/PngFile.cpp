#include "export/PngFile.h"

#include <QSaveFile>

#include <png.h>

namespace osk {

namespace {

// zlib level 3: after the row filter the data is mostly runs of zeros, which this level packs
// within a few per cent of the best level at a third of its time.
constexpr int kZlibLevel = 3;

struct PngSink {
    QIODevice* device;
    bool failed;
};

void writeBytes(png_structp png, png_bytep data, size_t length) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    if (sink->device->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length))
        sink->failed = true;
}

void flushBytes(png_structp) {}

void ignoreWarning(png_structp, png_const_charp) {}

// libpng reports its own failures by a jump back to the setjmp below: nothing in this function
// may need a destructor.
bool encodeRows(PngSink& sink, const QImage& rgb) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, ignoreWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &sink, writeBytes, flushBytes);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()),
                 static_cast<png_uint_32>(rgb.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, kZlibLevel);
    png_write_info(png, info);
    // 32-bit RGB lies in memory as blue, green, red and an unused byte on little-endian
    // machines, as red, green, blue after that byte on big-endian ones.
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
    }
    for (int y = 0; y < rgb.height(); ++y)
        png_write_row(png, rgb.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

QString writePng(const QImage& image, const QString& path) {
    if (image.isNull())
        return QStringLiteral("no picture to write");
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    PngSink sink{&file, false};
    if (!encodeRows(sink, rgb) || sink.failed) {
        file.cancelWriting();
        return sink.failed ? file.errorString() : QStringLiteral("the PNG encoder failed");
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace osk
