#include "print/PrinterSurface.h"
#include "print/PageDrawing.h"
#include "print/PageLayout.h"
#include "print/PagePictures.h"
#include "support/TempDir.h"

#include "PrintQueue.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

namespace osk {
namespace {

QImage screenPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return image;
}

struct PdfPrinter {
    explicit PdfPrinter(QPageSize::PageSizeId size) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file.string()));
        printer.setPageSize(QPageSize(size));
        printer.setPageOrientation(QPageLayout::Portrait); // the job turns it
    }
    test::TempDir dir;
    std::filesystem::path file = dir.path() / "page.pdf";
    QPrinter printer{QPrinter::HighResolution};
    PagePictures pictures{[] { return screenPicture(562, 405); },
                          [] { return screenPicture(110, 240); }, 96};
};

struct PaperCase {
    QPageSize::PageSizeId size;
    int32_t dx;
};

void PrintTo(const PaperCase& c, std::ostream* os) {
    *os << QPageSize::name(c.size).toStdString();
}

class PaperWidth : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperWidth, OffsetComesFromTheLandscapePaperWidth) {
    PdfPrinter p(GetParam().size);
    PrinterSurface job(p.printer, p.pictures);
    ASSERT_FALSE(job.start().has_value());
    EXPECT_EQ(PageOffset(job.pageWidth()), GetParam().dx);
    EXPECT_EQ(p.printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(p.printer.copyCount(), 1);
    // The printable area lies inside the paper.
    EXPECT_GT(job.scaleWidth(), job.scaleHeight());
    EXPECT_LE(job.scaleWidth(), job.pageWidth());
}

INSTANTIATE_TEST_SUITE_P(Sizes, PaperWidth,
                         ::testing::Values(PaperCase{QPageSize::A4, 1578},
                                           PaperCase{QPageSize::Letter, 580},
                                           PaperCase{QPageSize::A5, 0},
                                           PaperCase{QPageSize::A3, 8551}));

TEST(PrinterSurface, AFinishedJobIsOneLandscapePageAndAnAbortedOneNothing) {
    {
        PdfPrinter p(QPageSize::A4);
        PrinterSurface job(p.printer, p.pictures);
        ASSERT_FALSE(job.start().has_value());
        job.page().drawPicture(PagePicture::Plot, 600, 1700, 12700, 9000);
        job.page().setCurrentX(600);
        job.page().setCurrentY(500);
        job.page().printText("kept");
        job.abort();
        EXPECT_FALSE(std::filesystem::exists(p.file));
    }
    PdfPrinter p(QPageSize::A4);
    PrinterSurface job(p.printer, p.pictures);
    ASSERT_FALSE(job.start().has_value());
    job.page().setCurrentX(600);
    job.page().setCurrentY(500);
    job.page().printText("sent");
    ASSERT_FALSE(job.finish().has_value());
    const auto info = test::readPdfInfo(QString::fromStdString(p.file.string()));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->pages, 1);
    EXPECT_GT(info->width, info->height);
    EXPECT_TRUE(test::readPdfText(QString::fromStdString(p.file.string())).contains("sent"));
}

TEST(PrinterSurface, AMissingPictureIsAFailureAndLeavesNothingOnThePage) {
    PdfPrinter p(QPageSize::A4);
    PagePictures noLegend{[] { return screenPicture(562, 405); }, [] { return QImage(); }, 96};
    PrinterSurface job(p.printer, noLegend);
    ASSERT_FALSE(job.start().has_value());
    job.page().drawPicture(PagePicture::Legend, 13500, 1700, 0, 0);
    ASSERT_TRUE(job.failure().has_value());
    EXPECT_EQ(job.failure()->number, kPrintErrorPicture);
    EXPECT_TRUE(job.drawing().steps().empty());
}

struct SizeCase {
    PagePicture which;
    double width, height; // asked for, 0 = own size
    double expectedWidth, expectedHeight;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << static_cast<int>(c.which) << " at " << c.width << " x " << c.height;
}

class PictureSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PictureSize, OwnSizeFollowsThePicturesResolution) {
    PdfPrinter p(QPageSize::A4);
    PrinterSurface job(p.printer, p.pictures);
    ASSERT_FALSE(job.start().has_value());
    const SizeCase& c = GetParam();
    job.page().drawPicture(c.which, 100, 200, c.width, c.height);
    ASSERT_FALSE(job.failure().has_value());
    ASSERT_EQ(job.drawing().steps().size(), 1u);
    const auto& picture = std::get<PageDrawing::Picture>(job.drawing().steps()[0]);
    EXPECT_EQ(picture.target.topLeft(), QPointF(100, 200));
    EXPECT_NEAR(picture.target.width(), c.expectedWidth, 3);
    EXPECT_NEAR(picture.target.height(), c.expectedHeight, 3);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureSize,
                         ::testing::Values(SizeCase{PagePicture::Plot, 12700, 9000, 12700, 9000},
                                           SizeCase{PagePicture::Plot, 0, 0, 8430,
                                                    6075}, // 15 twips a pixel
                                           SizeCase{PagePicture::Legend, 0, 0, 1650, 3600},
                                           SizeCase{PagePicture::LogoLeft, 0, 0, 1000, 1000},
                                           SizeCase{PagePicture::LogoRight, 0, 0, 3200, 800},
                                           SizeCase{PagePicture::Legend, 0, 1200, 1650, 1200}));

// Pixels of the pen across a horizontal line painted at dpi.
int penPixels(double dpi, int widthDots) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dpm = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    PageDrawing drawing;
    drawing.add(PageDrawing::Line{QLineF(10, 100, 190, 100), Qt::black, widthDots});
    QPainter painter(&image);
    drawing.paint(painter, 1.0, dpi);
    painter.end();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += image.pixel(100, y) != qRgb(255, 255, 255);
    return n;
}

struct PenCase {
    double dpi;
    int widthDots;
    int pixels;
};

void PrintTo(const PenCase& c, std::ostream* os) {
    *os << c.widthDots << " dots at " << c.dpi << " dpi";
}

class PenWidth : public ::testing::TestWithParam<PenCase> {};

TEST_P(PenWidth, DotsOfASixHundredDpiPrinterAtLeastOnePixel) {
    EXPECT_EQ(penPixels(GetParam().dpi, GetParam().widthDots), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Devices, PenWidth,
                         ::testing::Values(PenCase{600, 15, 15}, PenCase{600, 3, 3},
                                           PenCase{600, 1, 1}, PenCase{1200, 15, 30},
                                           PenCase{1200, 3, 6}, PenCase{96, 1, 1},
                                           PenCase{96, 3, 1}));

TEST(PageDrawing, TextsHangFromTheirTopLeftCorner) {
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(10);
    PageDrawing drawing;
    // 1440 units to the inch on a 96-dpi picture: (1500, 1500) is pixel (100, 100).
    drawing.add(PageDrawing::Text{QPointF(1500, 1500), QStringLiteral("Hg"), font, Qt::black});
    QPainter painter(&image);
    drawing.paint(painter, 96.0 / 1440, 96);
    painter.end();
    int top = -1, bottom = -1, left = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                if (top < 0)
                    top = y;
                bottom = y;
                left = left < 0 ? x : std::min(left, x);
            }
    ASSERT_GE(top, 0);
    EXPECT_GE(top, 100);
    EXPECT_LE(top, 106);
    EXPECT_GE(left, 100);
    EXPECT_LE(left, 104);
    EXPECT_GT(bottom, top + 8); // the glyphs hang below the corner, descender and all
}

TEST(PagePictures, LogosAreDrawnForPaper) {
    for (PagePicture which : {PagePicture::LogoLeft, PagePicture::LogoRight}) {
        const QImage logo = pageLogoImage(which, kPageLogoDpi);
        ASSERT_FALSE(logo.isNull());
        const QSizeF twips = pageLogoTwips(which);
        EXPECT_EQ(logo.width(), qRound(twips.width() * kPageLogoDpi / 1440));
        EXPECT_EQ(logo.height(), qRound(twips.height() * kPageLogoDpi / 1440));
        // Something is drawn on the white.
        bool inked = false;
        for (int y = 0; y < logo.height() && !inked; ++y)
            for (int x = 0; x < logo.width() && !inked; ++x)
                inked = logo.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_TRUE(inked);
    }
    EXPECT_TRUE(pageLogoImage(PagePicture::Plot, kPageLogoDpi).isNull());
    EXPECT_TRUE(pageLogoImage(PagePicture::LogoLeft, 0).isNull());
}

} // namespace
} // namespace osk
