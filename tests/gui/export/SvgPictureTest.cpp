#include "export/SvgPicture.h"

#include "gui/support/Support.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace osk::test {
namespace {

// The elements of the document written for what paint paints.
std::vector<SvgElement> elementsOf(const std::function<void(QPainter&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly));
    SvgPicture picture(buffer, QSize(200, 100), 96, QStringLiteral("Pool <3> & \"more\""));
    QPainter painter;
    EXPECT_TRUE(painter.begin(&picture));
    paint(painter);
    EXPECT_TRUE(painter.end());
    return svgElements(bytes);
}

struct SvgCase {
    const char* name;
    std::function<void(QPainter&)> paint;
    // Each element after the title: its name, the attributes that matter as "name=value"
    // separated by "; " (an empty value for one that must be missing), and for a text its text.
    std::vector<std::vector<QString>> drawn;
};

OSK_PRINTS_ITS_NAME(SvgCase)

// A series of many points with fractional coordinates, and its points attribute.
QPolygonF series() {
    QPolygonF points;
    for (int i = 0; i < 1000; ++i)
        points << QPointF(i * 0.5, 50 + (i % 7) * 1.25);
    return points;
}
QString seriesPoints() {
    QStringList pairs;
    for (const QPointF& p : series())
        pairs << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return pairs.join(u' ');
}

const std::vector<SvgCase> kCases = {
    {"texts",
     [](QPainter& p) {
         QFont font(QStringLiteral("DejaVu Sans"));
         font.setPixelSize(20);
         font.setBold(true);
         p.setFont(font);
         p.setPen(QColor(0x12, 0x34, 0x56));
         p.drawText(QPointF(10, 30), QStringLiteral("a<b & \"c\" 'd' > e"));
         font.setPointSize(9);
         font.setBold(false);
         font.setItalic(true);
         p.setFont(font);
         p.drawText(QPointF(10, 60), QStringLiteral("\u00b5g/L \u00fc"));
     },
     {{"text",
       "x=10; y=30; font-family='DejaVu Sans', sans-serif; font-size=20; font-weight=700; "
       "font-style=normal; fill=#123456",
       "a<b & \"c\" 'd' > e"},
      {"text", "font-size=12; font-weight=400; font-style=italic", "\u00b5g/L \u00fc"}}},
    {"transformed",
     [](QPainter& p) {
         p.translate(100, 50);
         p.drawLine(QPointF(0, 0), QPointF(10, 0));
         p.drawText(QPointF(5, 20), QStringLiteral("t"));
         p.fillRect(QRectF(1, 2, 3, 4), Qt::red);
         p.rotate(90);
         p.drawLine(QPointF(0, 0), QPointF(10, 0));
     },
     {{"line", "x1=100; y1=50; x2=110; y2=50; transform="},
      {"text", "x=105; y=70; transform=", "t"},
      {"rect", "x=101; y=52; width=3; height=4; fill=#ff0000; stroke=none"},
      {"line", "x1=0; x2=10; transform=matrix(0 1 -1 0 100 50)"}}},
    {"long_series",
     [](QPainter& p) {
         p.setPen(QPen(QColor(0xe0, 0x01, 0x06), 2, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
         p.drawPolyline(series());
     },
     {{"polyline", "fill=none; stroke=#e00106; stroke-width=2; stroke-linecap=butt; "
                   "stroke-linejoin=bevel; points=" +
                       seriesPoints()}}},
    {"colours_and_paths",
     [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(255, 0, 0, 128));
         p.drawRect(QRectF(0, 0, 20, 10));
         p.setOpacity(0.5);
         p.setPen(QPen(QColor(0, 0, 255), 0, Qt::DashLine));
         p.setBrush(Qt::NoBrush);
         QPainterPath path(QPointF(0, 0));
         path.lineTo(10, 0);
         path.cubicTo(12, 2, 12, 8, 10, 10);
         path.closeSubpath();
         path.moveTo(50, 50);
         path.lineTo(60, 50);
         p.drawPath(path);
     },
     {{"rect", "fill=#ff0000; fill-opacity=0.502; stroke=none"},
      {"path", "fill=none; fill-rule=evenodd; stroke=#0000ff; stroke-opacity=0.5; "
               "stroke-width=1; stroke-dasharray=4,2; "
               "d=M0,0 L10,0 C12,2 12,8 10,10 L0,0 Z M50,50 L60,50"}}},
    // What SVG Tiny cannot say arrives as a picture drawn by the painter.
    {"gradient_as_picture",
     [](QPainter& p) {
         QLinearGradient gradient(0, 0, 20, 0);
         gradient.setColorAt(0, Qt::red);
         gradient.setColorAt(1, Qt::blue);
         p.fillRect(QRectF(10, 10, 20, 5), gradient);
     },
     {{"image", "x=10; y=10; width=20; height=5"}}},
};

class SvgPictureElements : public ::testing::TestWithParam<SvgCase> {};

TEST_P(SvgPictureElements, AreWrittenAsPainted) {
    const std::vector<SvgElement> elements = elementsOf(GetParam().paint);
    const auto& drawn = GetParam().drawn;
    ASSERT_EQ(elements.size(), drawn.size() + 2);
    // 200 x 100 units at 96 to the inch, on paper a hair under rather than over.
    EXPECT_EQ(std::tuple(elements[0]["viewBox"], elements[0]["width"], elements[0]["height"],
                         elements[1].text.toStdString()),
              std::tuple("0 0 200 100", "52.9166mm", "26.4583mm", "Pool <3> & \"more\""));
    for (size_t i = 0; i < drawn.size(); ++i) {
        const SvgElement& e = elements[i + 2];
        EXPECT_EQ(e.name.toStdString(), drawn[i][0].toStdString()) << i;
        for (const QString& expected : drawn[i][1].split(QStringLiteral("; "))) {
            const std::string name = expected.section(u'=', 0, 0).toStdString();
            EXPECT_EQ(e[name.c_str()], expected.section(u'=', 1).toStdString()) << i << " " << name;
        }
        EXPECT_EQ(e.text.toStdString(), drawn[i].size() > 2 ? drawn[i][2].toStdString() : "") << i;
        // A picture is a PNG file in the document.
        const QByteArray href = QByteArray::fromStdString(e["xlink:href"]);
        EXPECT_TRUE(
            e.name != QLatin1String("image") ||
            !QImage::fromData(QByteArray::fromBase64(href.mid(href.indexOf(',') + 1)), "PNG")
                 .isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SvgPictureElements, ::testing::ValuesIn(kCases), CaseName());

} // namespace
} // namespace osk::test
