#include "print/PrinterSurface.h"
#include "print/PageDrawing.h"
#include "print/PageLayout.h"

#include "PrintWindowFixture.h"

#include <QPainter>

namespace osk {
namespace {

QImage bluePicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return image;
}

// A printer that writes a PDF file, its paper in portrait until a job turns it; the job started.
struct PdfPrinter {
    explicit PdfPrinter(QPageSize::PageSizeId size, bool withLegend = true)
        : pictures([] { return bluePicture(562, 405); },
                   [withLegend] { return withLegend ? bluePicture(110, 240) : QImage(); }, 96) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file());
        printer.setPageSize(QPageSize(size));
        printer.setPageOrientation(QPageLayout::Portrait);
        EXPECT_FALSE(job.start().has_value());
    }
    QString file() const { return QString::fromStdString((dir.path() / "page.pdf").string()); }
    test::TempDir dir;
    QPrinter printer{QPrinter::HighResolution};
    PagePictures pictures;
    PrinterSurface job{printer, pictures};
};

TEST(PrinterSurface, TheOffsetComesFromTheLandscapePaperWidth) {
    const struct {
        QPageSize::PageSizeId size;
        int32_t dx;
    } papers[] = {
        {QPageSize::A4, 1578}, {QPageSize::Letter, 580}, {QPageSize::A5, 0}, {QPageSize::A3, 8551}};
    for (const auto& paper : papers) {
        PdfPrinter p(paper.size);
        EXPECT_EQ(std::tuple(PageOffset(p.job.pageWidth()), p.printer.copyCount()),
                  std::tuple(paper.dx, 1))
            << paper.size;
        // The printable area, in landscape.
        EXPECT_TRUE(p.job.scaleWidth() > p.job.scaleHeight() &&
                    p.job.scaleWidth() <= p.job.pageWidth());
    }
}

TEST(PrinterSurface, AFinishedJobIsOneLandscapePageAndAnAbortedOneNothing) {
    OSK_NEEDS_LINUX_PRINTING();
    PdfPrinter dropped(QPageSize::A4);
    dropped.job.page().printText("dropped");
    dropped.job.abort();
    EXPECT_FALSE(QFileInfo::exists(dropped.file()));

    PdfPrinter sent(QPageSize::A4);
    sent.job.page().setCurrentX(600);
    sent.job.page().setCurrentY(500);
    sent.job.page().printText("sent");
    ASSERT_FALSE(sent.job.finish().has_value());
    const auto info = test::readPdfInfo(sent.file());
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->pages == 1 && info->width > info->height);
    EXPECT_TRUE(test::readPdfText(sent.file()).contains(QStringLiteral("sent")));
}

TEST(PrinterSurface, PicturesTakeTheirOwnSizeOnPaperOrTheSizeAskedFor) {
    PdfPrinter p(QPageSize::A4);
    PrinterSurface& job = p.job;
    const struct {
        PagePicture which;
        double w, h, expectedW, expectedH;
    } cases[] = {{PagePicture::Plot, 12700, 9000, 12700, 9000},
                 {PagePicture::Plot, 0, 0, 8430, 6075}, // 15 twips a screen pixel
                 {PagePicture::Legend, 0, 1200, 1650, 1200},
                 {PagePicture::LogoLeft, 0, 0, 1000, 1000},
                 {PagePicture::LogoRight, 0, 0, 3200, 800}};
    for (const auto& c : cases)
        job.page().drawPicture(c.which, 100, 200, c.w, c.h);
    ASSERT_FALSE(job.failure().has_value());
    ASSERT_EQ(job.drawing().steps().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& target = std::get<PageDrawing::Picture>(job.drawing().steps()[i]).target;
        EXPECT_EQ(target.topLeft(), QPointF(100, 200)) << i;
        EXPECT_NEAR(target.width(), cases[i].expectedW, 3) << i;
        EXPECT_NEAR(target.height(), cases[i].expectedH, 3) << i;
    }

    PdfPrinter noLegend(QPageSize::A4, false);
    noLegend.job.page().drawPicture(PagePicture::Legend, 13500, 1700, 0, 0);
    ASSERT_TRUE(noLegend.job.failure().has_value());
    EXPECT_EQ(noLegend.job.failure()->number, kPrintErrorPicture);
}

// Inked rows of column 100 (the pen's width) and the top-left corner of what a page drawing
// paints at dpi, one page unit to a pixel.
struct Painted {
    int penRows;
    QPoint inkTopLeft;
};

Painted paintAt(double dpi, const PageDrawing::Step& step) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    PageDrawing drawing;
    drawing.add(step);
    QPainter painter(&image);
    drawing.paint(painter, 1.0, dpi);
    painter.end();
    Painted out{0, QPoint(image.width(), image.height())};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                out.penRows += x == 100;
                out.inkTopLeft =
                    QPoint(std::min(x, out.inkTopLeft.x()), std::min(y, out.inkTopLeft.y()));
            }
    return out;
}

TEST(PageDrawing, PensCountDotsOfASixHundredDpiPrinterAndTextsHangFromTheirCorner) {
    const struct {
        double dpi;
        int dots, rows;
    } pens[] = {{600, 15, 15}, {600, 3, 3}, {600, 1, 1}, {1200, 15, 30},
                {1200, 3, 6},  {96, 1, 1},  {96, 3, 1}};
    for (const auto& pen : pens)
        EXPECT_EQ(
            paintAt(pen.dpi, PageDrawing::Line{QLineF(10, 100, 190, 100), Qt::black, pen.dots})
                .penRows,
            pen.rows)
            << pen.dots << " dots at " << pen.dpi << " dpi";

    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(10);
    const Painted text =
        paintAt(96, PageDrawing::Text{QPointF(100, 100), QStringLiteral("Hg"), font, Qt::black});
    EXPECT_TRUE(QRect(100, 100, 5, 7).contains(text.inkTopLeft))
        << text.inkTopLeft.x() << "," << text.inkTopLeft.y();
}

} // namespace
} // namespace osk
