#include "about/Logo.h"
#include "print/PagePictures.h"

#include <QImage>
#include <QPointF>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace osk::test {
namespace {

constexpr QRgb kBackground = 0; // transparent for an icon, white on paper
constexpr QRgb kDeepBlue = 0xff1f6fb2;
constexpr QRgb kLightBlue = 0xff5aa0dc;
constexpr QRgb kPaleBlue = 0xffbcd8f0;
constexpr QRgb kWhite = 0xffffffff;

bool near(QRgb a, QRgb b, int tolerance = 2) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance &&
           std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

// A point of a logo's canvas, well inside one of its shapes or clear of all of them.
struct CanvasPoint {
    QPointF at;
    QRgb colour;
    const char* what;
};

struct LogoCase {
    const char* name;
    std::function<QImage()> draw;
    QSizeF canvas;
    QRgb background;
    std::vector<CanvasPoint> points;
};

const std::vector<CanvasPoint> kMarkPoints = {
    {{90, 90}, kDeepBlue, "drop"},
    {{64, 119}, kDeepBlue, "the drop's round bottom"},
    {{64, 104}, kPaleBlue, "base line"},
    {{76, 59}, kWhite, "graph line"},
    {{64, 2}, kBackground, "above the tip"},
    {{12, 120}, kBackground, "beside the round bottom"},
    {{100, 20}, kBackground, "beside the tip"},
};

const std::vector<CanvasPoint> kWordmarkPoints = {
    {{230, 52}, kLightBlue, "graph line"},
    {{230, 70}, kPaleBlue, "base line"},
    {{300, 25}, kBackground, "after the name"},
    {{160, 4}, kBackground, "above the name"},
};

void PrintTo(const LogoCase& c, std::ostream* os) {
    *os << c.name;
}

class LogoPictures : public ::testing::TestWithParam<LogoCase> {};

TEST_P(LogoPictures, HaveTheirShapesWhereTheCanvasPutsThem) {
    const LogoCase& c = GetParam();
    const QImage image = c.draw().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull());
    const double sx = image.width() / c.canvas.width();
    const double sy = image.height() / c.canvas.height();
    for (const CanvasPoint& p : c.points) {
        const QRgb expected = p.colour == kBackground ? c.background : p.colour;
        const QRgb pixel = image.pixel(static_cast<int>(std::floor(p.at.x() * sx)),
                                       static_cast<int>(std::floor(p.at.y() * sy)));
        EXPECT_TRUE(near(pixel, expected))
            << p.what << ": #" << std::hex << pixel << " instead of #" << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, LogoPictures,
    ::testing::Values(
        LogoCase{"icon128", [] { return logoPixmap(128).toImage(); }, {128, 128}, 0, kMarkPoints},
        LogoCase{"icon100ratio1_5",
                 [] { return logoPixmap(100, 1.5).toImage(); },
                 {128, 128},
                 0,
                 kMarkPoints},
        LogoCase{"pageLeft300",
                 [] { return pageLogoImage(PagePicture::LogoLeft, 300); },
                 {128, 128},
                 kWhite,
                 kMarkPoints},
        LogoCase{"pageRight300",
                 [] { return pageLogoImage(PagePicture::LogoRight, 300); },
                 {320, 80},
                 kWhite,
                 kWordmarkPoints},
        LogoCase{"pageRight600",
                 [] { return pageLogoImage(PagePicture::LogoRight, 600); },
                 {320, 80},
                 kWhite,
                 kWordmarkPoints}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Wordmark, WritesTheNameAboveTheLines) {
    for (const double dpi : {150.0, 300.0, 600.0}) {
        SCOPED_TRACE(dpi);
        const QImage image = pageLogoImage(PagePicture::LogoRight, dpi);
        ASSERT_FALSE(image.isNull());
        const double scale = image.width() / 320.0;
        // The letters' ink above the graph line, in canvas units.
        QRectF ink;
        int inked = 0;
        for (int y = 0; y < static_cast<int>(47 * scale); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (near(image.pixel(x, y), kDeepBlue, 60)) {
                    ink |= QRectF(x / scale, y / scale, 1 / scale, 1 / scale);
                    ++inked;
                }
        // "OSK Graphs" in bold letters 40 units high from x 6 on, standing on the baseline at
        // 44 ("p" reaches below it); thin letters cover less of their box.
        EXPECT_GT(ink.left(), 6);
        EXPECT_LT(ink.left(), 12);
        EXPECT_GT(ink.top(), 10);
        EXPECT_LT(ink.top(), 18);
        EXPECT_GT(ink.right(), 250);
        EXPECT_LT(ink.right(), 300);
        EXPECT_GT(inked / (scale * scale) / (ink.width() * ink.height()), 0.33);
    }
}

} // namespace
} // namespace osk::test
