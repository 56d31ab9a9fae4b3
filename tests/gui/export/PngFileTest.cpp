#include "export/PngFile.h"

#include "support/TempDir.h"

#include "gui/support/Support.h"

#include <QFile>

namespace osk::test {
namespace {

QString pathOf(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

QByteArray contents(const std::filesystem::path& p) {
    QFile file(pathOf(p));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture whose every pixel differs from its neighbours in each channel, with some pixels
// half and some fully transparent where the format has an alpha channel.
QImage patterned(QImage::Format format, QSize size) {
    QImage argb(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            argb.setPixel(x, y,
                          qRgba((x * 37 + y * 11) & 0xff, (x * 5 + y * 91) & 0xff,
                                (x * y + 7) & 0xff,
                                (x + y) % 3 == 0   ? 0
                                : (x + y) % 3 == 1 ? 0x80
                                                   : 0xff));
    return argb.convertToFormat(format);
}

struct PictureCase {
    const char* name;
    QImage::Format format;
    QSize size;
};
OSK_PRINTS_ITS_NAME(PictureCase)

class PngFilePicture : public ::testing::TestWithParam<PictureCase> {};

// Whatever the picture's format and width, the file holds exactly its pixels as 32-bit RGB,
// without an alpha channel; a file already at the path is replaced whole.
TEST_P(PngFilePicture, DecodesToThePicturesOpaquePixels) {
    TempDir folder;
    const QImage image = patterned(GetParam().format, GetParam().size);
    const std::filesystem::path file = folder.write("graph.png", std::string(1 << 20, 'x'));
    ASSERT_EQ(writePng(image, pathOf(file)), QString());
    const QImage decoded = QImage::fromData(contents(file), "PNG");
    ASSERT_FALSE(decoded.isNull() || decoded.hasAlphaChannel());
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32),
              image.convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PngFilePicture,
    ::testing::Values(PictureCase{"Rgb32", QImage::Format_RGB32, {1762, 960}},
                      PictureCase{"Argb32", QImage::Format_ARGB32, {301, 7}},
                      PictureCase{"Premultiplied", QImage::Format_ARGB32_Premultiplied, {33, 5}},
                      PictureCase{"Rgb888OddWidth", QImage::Format_RGB888, {601, 3}}),
    CaseName());

// A write that cannot be made says why and leaves the folder as it was.
TEST(PngFile, AFailedWriteSaysWhyAndLeavesTheFolderAsItWas) {
    TempDir folder;
    const std::filesystem::path existing = folder.write("graph.png", "old picture");
    std::filesystem::create_directory(folder.path() / "sub");
    const struct {
        QImage image;
        std::filesystem::path path;
        const char* says; // nullptr: the system's own text
    } cases[] = {
        {QImage(), existing, "no picture to write"},
        // A "folder" that is a file: no file can be made in it, not even by the superuser.
        {patterned(QImage::Format_RGB32, {8, 8}), existing / "graph.png", nullptr},
        {patterned(QImage::Format_RGB32, {8, 8}), folder.path() / "sub", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        const QString error = writePng(c.image, pathOf(c.path));
        EXPECT_TRUE(!error.isEmpty() && (!c.says || error == QString::fromLatin1(c.says)))
            << error.toStdString();
        EXPECT_EQ(std::tuple(contents(existing), std::filesystem::is_empty(folder.path() / "sub"),
                             std::distance(std::filesystem::directory_iterator(folder.path()),
                                           std::filesystem::directory_iterator())),
                  std::tuple(QByteArray("old picture"), true, 2));
    }
}

} // namespace
} // namespace osk::test
