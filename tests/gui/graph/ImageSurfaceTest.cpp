#include "graph/ImageSurface.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace osk {
namespace {

constexpr QRgb kWhitePixel = 0xFFFFFFFF;
constexpr QRgb kBlackPixel = 0xFF000000;
constexpr QRgb kRedPixel = 0xFFFF0000;

struct Probe {
    int x, y;
    QRgb expected;
};

void expectPixels(const QImage& image, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(image.pixel(p.x, p.y), p.expected) << "at (" << p.x << ", " << p.y << ")";
}

TEST(ImageSurface, ThinLinesLeaveOutTheirEndPoint) {
    ImageSurface s(40, 30);
    s.setForeColor(Rgb(255, 0, 0));
    s.moveTo(2, 5);
    s.lineTo(10, 5);
    s.lineTo(10, 20); // continues the polyline: the joint is painted
    expectPixels(s.image(), {{2, 5, kRedPixel},
                             {9, 5, kRedPixel},
                             {10, 5, kRedPixel},
                             {10, 19, kRedPixel},
                             {10, 20, kWhitePixel},
                             {1, 5, kWhitePixel},
                             {5, 4, kWhitePixel},
                             {5, 6, kWhitePixel}});
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
    {
        QPainter p(&reference);
        p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
        p.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    EXPECT_TRUE(s.image() == reference);
}

TEST(ImageSurface, WideLinesAreTwoPixelsThick) {
    ImageSurface s(60, 60);
    s.setForeColor(Rgb(255, 0, 0));
    s.setDrawWidth(2);
    s.moveTo(5, 10);
    s.lineTo(40, 10); // a long flat segment
    s.moveTo(50, 20);
    for (int y = 21; y <= 40; ++y) // a dense vertical run
        s.lineTo(50, y);
    expectPixels(s.image(), {{20, 9, kRedPixel},
                             {20, 10, kRedPixel},
                             {20, 8, kWhitePixel},
                             {20, 11, kWhitePixel},
                             {49, 30, kRedPixel},
                             {50, 30, kRedPixel},
                             {48, 30, kWhitePixel},
                             {51, 30, kWhitePixel}});
}

TEST(ImageSurface, LinesToTheEndsOfTheIntRangeDrawTheirVisiblePart) {
    for (int width : {1, 2}) {
        ImageSurface s(40, 40);
        s.setForeColor(Rgb(255, 0, 0));
        s.setDrawWidth(width);
        s.moveTo(10, 30);
        s.lineTo(10, INT_MIN);
        s.moveTo(20, 30);
        s.lineTo(INT_MAX, INT_MAX);
        expectPixels(
            s.image(),
            {{10, 0, kRedPixel}, {10, 29, kRedPixel}, {25, 35, kRedPixel}, {35, 20, kWhitePixel}});
    }
}

TEST(ImageSurface, OwnUnitsScaleLinesAndTextPositions) {
    ImageSurface legend(100, 100, 10.0);
    EXPECT_FLOAT_EQ(legend.scaleWidth(), 1000);
    legend.setForeColor(Rgb(255, 0, 0));
    legend.line(100, 200, 200, 200);
    expectPixels(legend.image(), {{10, 20, kRedPixel}, {19, 20, kRedPixel}, {20, 20, kWhitePixel}});
    legend.setBackColor(Rgb(0, 0, 0));
    legend.clear();
    expectPixels(legend.image(), {{10, 20, kBlackPixel}, {99, 99, kBlackPixel}});
}

} // namespace
} // namespace osk
