// The screen's drawing surface: lines as the plot draws them, its own units, long texts.
#include "graph/ImageSurface.h"

#include "gui/support/Support.h"

#include <QPainter>

#include <climits>

namespace osk {
namespace {

// Pixels that must be red (true) or white (false) at (x, y).
void expectRed(const QImage& image, std::initializer_list<std::tuple<int, int, bool>> probes) {
    for (const auto& [x, y, red] : probes)
        EXPECT_EQ(image.pixel(x, y), red ? 0xFFFF0000 : 0xFFFFFFFF)
            << "at (" << x << ", " << y << ")";
}

void drawRed(ImageSurface& s, int drawWidth = 1) {
    s.setForeColor(Rgb(255, 0, 0));
    s.setDrawWidth(drawWidth);
}

TEST(ImageSurface, ThinLinesLeaveOutTheirEndPointAndWideOnesAreTwoPixelsThick) {
    ImageSurface thin(40, 30);
    drawRed(thin);
    thin.moveTo(2, 5);
    thin.lineTo(10, 5);
    thin.lineTo(10, 20); // continues the polyline: the joint is painted
    expectRed(thin.image(), {{2, 5, true},
                             {9, 5, true},
                             {10, 5, true},
                             {10, 19, true},
                             {10, 20, false},
                             {1, 5, false},
                             {5, 4, false},
                             {5, 6, false}});

    ImageSurface wide(60, 60);
    drawRed(wide, 2);
    wide.moveTo(5, 10);
    wide.lineTo(40, 10); // a long flat segment
    wide.moveTo(50, 20);
    for (int y = 21; y <= 40; ++y) // a dense vertical run
        wide.lineTo(50, y);
    expectRed(wide.image(), {{20, 9, true},
                             {20, 10, true},
                             {20, 8, false},
                             {20, 11, false},
                             {49, 30, true},
                             {50, 30, true},
                             {48, 30, false},
                             {51, 30, false}});
}

TEST(ImageSurface, DenseColumnsPaintTheSamePixelsAsEveryPoint) {
    // A jagged series with a dozen points per pixel column, drawn the way the plot draws it.
    std::vector<QPoint> points;
    unsigned seed = 7;
    for (int i = 0; i < 1200; ++i) {
        seed = seed * 1103515245u + 12345u;
        points.emplace_back(190 - i / 12, 20 + static_cast<int>((seed >> 16) % 60));
    }
    ImageSurface s(200, 100);
    s.setForeColor(Rgb(0, 0, 0));
    for (size_t i = 1; i < points.size(); ++i) {
        s.moveTo(points[i - 1].x(), points[i - 1].y());
        s.lineTo(points[i].x(), points[i].y());
    }
    QImage reference(200, 100, QImage::Format_RGB32);
    reference.fill(Qt::white);
    QPainter p(&reference);
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
    p.end();
    EXPECT_TRUE(s.image() == reference);
}

TEST(ImageSurface, LinesToTheEndsOfTheIntRangeDrawTheirVisiblePart) {
    for (int width : {1, 2}) {
        ImageSurface s(40, 40);
        drawRed(s, width);
        s.moveTo(10, 30);
        s.lineTo(10, INT_MIN);
        s.moveTo(20, 30);
        s.lineTo(INT_MAX, INT_MAX);
        expectRed(s.image(), {{10, 0, true}, {10, 29, true}, {25, 35, true}, {35, 20, false}});
    }
}

TEST(ImageSurface, OwnUnitsScaleLinesAndTextPositions) {
    ImageSurface legend(100, 100, 10.0);
    drawRed(legend);
    EXPECT_FLOAT_EQ(legend.scaleWidth(), 1000);
    legend.line(100, 200, 200, 200);
    expectRed(legend.image(), {{10, 20, true}, {19, 20, true}, {20, 20, false}});
    legend.setBackColor(Rgb(0, 0, 0));
    legend.clear();
    EXPECT_EQ(test::pixelsOf(legend.image(), Qt::black), 100 * 100);
}

// A long text drawn from the left edge is cut at the picture's edge, or ends in "…" within the
// width on view.
TEST(ImageSurface, ALongTextEndsInAnEllipsisWithinTheShownWidth) {
    const struct {
        int shown; // 0: no eliding
        int inkUpTo;
    } cases[] = {{0, 60}, {1000, 59}, {50, 50}};
    for (const auto& c : cases) {
        ImageSurface surface(60, 20);
        if (c.shown > 0)
            surface.setElideAtRightEdge([&c] { return c.shown; });
        surface.setForeColor(kBlack);
        surface.printText("MMMMMMMMMMMMMMMMMMMMMMMM");
        const QImage& image = surface.image();
        EXPECT_TRUE(test::inkIn(image, QRect(c.inkUpTo - 14, 0, 14, image.height()))) << c.shown;
        EXPECT_FALSE(test::inkIn(image, QRect(c.inkUpTo, 0, 60, image.height()))) << c.shown;
    }
}

} // namespace
} // namespace osk
