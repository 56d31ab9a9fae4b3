#include "export/SvgPicture.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace osk::test {
namespace {

constexpr QSize kSize(200, 100);

struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;
};

using Paint = std::function<void(QPainter&)>;

// The elements of the document written for what paint paints, in document order; the
// document must be well formed.
std::vector<Element> elementsOf(const Paint& paint, QByteArray* document = nullptr) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly));
    SvgPicture picture(buffer, kSize, 96, QStringLiteral("Pool <3> & \"more\""));
    QPainter painter;
    EXPECT_TRUE(painter.begin(&picture));
    paint(painter);
    EXPECT_TRUE(painter.end());

    std::vector<Element> elements;
    std::vector<size_t> open;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            Element e{xml.name().toString().toStdString(), {}, {}};
            for (const QXmlStreamAttribute& a : xml.attributes())
                e.attributes[a.qualifiedName().toString().toStdString()] =
                    a.value().toString().toStdString();
            open.push_back(elements.size());
            elements.push_back(std::move(e));
        } else if (xml.isEndElement()) {
            open.pop_back();
        } else if (xml.isCharacters() && !open.empty()) {
            elements[open.back()].text += xml.text().toString().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << "\n" << bytes.toStdString();
    if (document)
        *document = bytes;
    return elements;
}

// An element as it must be written: its name, the attributes that matter ("" for one that must
// not be there) and its text, where that matters.
struct Expected {
    Expected(std::string n, std::map<std::string, std::string> a,
             std::optional<std::string> t = std::nullopt)
        : name(std::move(n)), attributes(std::move(a)), text(std::move(t)) {}
    std::string name;
    std::map<std::string, std::string> attributes;
    std::optional<std::string> text;
};

struct SvgCase {
    const char* name;
    Paint paint;
    std::vector<Expected> drawn; // everything after the title
};

void PrintTo(const SvgCase& c, std::ostream* os) {
    *os << c.name;
}

// A series of many points with fractional coordinates, and its points as written.
QPolygonF series(std::string* written) {
    QPolygonF points;
    for (int i = 0; i < 1000; ++i) {
        const QPointF p(i * 0.5, 50 + (i % 7) * 1.25);
        points << p;
        *written += (i ? " " : "") + QString::number(p.x()).toStdString() + "," +
                    QString::number(p.y()).toStdString();
    }
    return points;
}

std::vector<SvgCase> cases() {
    static std::string seriesPoints;
    static const QPolygonF seriesLine = series(&seriesPoints);
    return {
        {"texts",
         [](QPainter& p) {
             QFont font(QStringLiteral("DejaVu Sans"));
             font.setPixelSize(20);
             font.setBold(true);
             p.setFont(font);
             p.setPen(QColor(0x12, 0x34, 0x56));
             p.drawText(QPointF(10, 30), QStringLiteral("a<b & \"c\" 'd' > e"));
             font.setBold(false);
             font.setItalic(true);
             font.setPointSize(9);
             p.setFont(font);
             p.drawText(QPointF(10, 60), QStringLiteral("\u00b5g/L \u00fc"));
         },
         {{"text",
           {{"x", "10"},
            {"y", "30"},
            {"font-family", "'DejaVu Sans', sans-serif"},
            {"font-size", "20"},
            {"font-weight", "700"},
            {"font-style", "normal"},
            {"fill", "#123456"}},
           "a<b & \"c\" 'd' > e"},
          {"text",
           {{"font-size", "12"}, {"font-weight", "400"}, {"font-style", "italic"}},
           "\u00b5g/L \u00fc"}}},
        {"translated",
         [](QPainter& p) {
             p.translate(100, 50);
             p.drawLine(QPointF(0, 0), QPointF(10, 0));
             p.drawText(QPointF(5, 20), QStringLiteral("t"));
             p.fillRect(QRectF(1, 2, 3, 4), Qt::red);
         },
         {{"line", {{"x1", "100"}, {"y1", "50"}, {"x2", "110"}, {"y2", "50"}, {"transform", ""}}},
          {"text", {{"x", "105"}, {"y", "70"}, {"transform", ""}}, "t"},
          {"rect",
           {{"x", "101"},
            {"y", "52"},
            {"width", "3"},
            {"height", "4"},
            {"fill", "#ff0000"},
            {"stroke", "none"}}}}},
        {"rotated",
         [](QPainter& p) {
             p.translate(20, 10);
             p.rotate(90);
             p.drawLine(QPointF(0, 0), QPointF(10, 0));
         },
         {{"line", {{"x1", "0"}, {"x2", "10"}, {"transform", "matrix(0 1 -1 0 20 10)"}}}}},
        {"long_series",
         [](QPainter& p) {
             p.setPen(QPen(QColor(0xe0, 0x01, 0x06), 2, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
             p.drawPolyline(seriesLine);
         },
         {{"polyline",
           {{"points", seriesPoints},
            {"fill", "none"},
            {"stroke", "#e00106"},
            {"stroke-width", "2"},
            {"stroke-linecap", "butt"},
            {"stroke-linejoin", "bevel"}}}}},
        {"colours",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(255, 0, 0, 128));
             p.drawRect(QRectF(0, 0, 20, 10));
             p.setOpacity(0.5);
             p.setPen(QPen(QColor(0, 0, 255), 0, Qt::DashLine));
             p.drawLine(QPointF(0, 0), QPointF(5, 5));
         },
         {{"rect", {{"fill", "#ff0000"}, {"fill-opacity", "0.502"}, {"stroke", "none"}}},
          {"line",
           {{"stroke", "#0000ff"},
            {"stroke-opacity", "0.5"},
            {"stroke-width", "1"},
            {"stroke-dasharray", "4,2"}}}}},
        {"closed_path",
         [](QPainter& p) {
             QPainterPath path(QPointF(0, 0));
             path.lineTo(10, 0);
             path.cubicTo(12, 2, 12, 8, 10, 10);
             path.closeSubpath();
             path.moveTo(50, 50);
             path.lineTo(60, 50);
             p.drawPath(path);
         },
         {{"path",
           {{"d", "M0,0 L10,0 C12,2 12,8 10,10 L0,0 Z M50,50 L60,50"}, {"fill-rule", "evenodd"}}}}},
        // What SVG Tiny cannot say arrives as a picture drawn by the painter.
        {"gradient_as_picture",
         [](QPainter& p) {
             QLinearGradient gradient(0, 0, 20, 0);
             gradient.setColorAt(0, Qt::red);
             gradient.setColorAt(1, Qt::blue);
             p.fillRect(QRectF(10, 10, 20, 5), gradient);
         },
         {{"image", {{"x", "10"}, {"y", "10"}, {"width", "20"}, {"height", "5"}}}}},
    };
}

class SvgPictureElements : public ::testing::TestWithParam<SvgCase> {};

TEST_P(SvgPictureElements, AreWrittenAsPainted) {
    const std::vector<Element> elements = elementsOf(GetParam().paint);
    ASSERT_GE(elements.size(), 2u);
    EXPECT_EQ(elements[0].name, "svg");
    EXPECT_EQ(elements[1].name, "title");
    const std::vector<Expected>& drawn = GetParam().drawn;
    ASSERT_EQ(elements.size(), drawn.size() + 2);
    for (size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(i);
        const Element& e = elements[i + 2];
        EXPECT_EQ(e.name, drawn[i].name);
        for (const auto& [name, value] : drawn[i].attributes) {
            const auto found = e.attributes.find(name);
            if (value.empty()) {
                EXPECT_EQ(found, e.attributes.end()) << name;
            } else {
                EXPECT_EQ(found == e.attributes.end() ? "(none)" : found->second, value) << name;
            }
        }
        if (drawn[i].text) {
            EXPECT_EQ(e.text, *drawn[i].text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SvgPictureElements, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SvgPicture, DocumentHasSizeTitleAndEmbeddedPictures) {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(3, 1, qRgb(0, 0, 255));
    const std::vector<Element> elements =
        elementsOf([&](QPainter& p) { p.drawImage(QRectF(10, 20, 8, 4), image); });
    ASSERT_EQ(elements.size(), 3u);
    // 200 x 100 units at 96 to the inch, a hair under rather than over.
    EXPECT_EQ(elements[0].attributes.at("viewBox"), "0 0 200 100");
    EXPECT_EQ(elements[0].attributes.at("width"), "52.9166mm");
    EXPECT_EQ(elements[0].attributes.at("height"), "26.4583mm");
    EXPECT_EQ(elements[1].text, "Pool <3> & \"more\"");

    const Element& picture = elements[2];
    EXPECT_EQ(picture.name, "image");
    EXPECT_EQ(picture.attributes.at("width"), "8");
    EXPECT_EQ(picture.attributes.at("preserveAspectRatio"), "none");
    const std::string href = picture.attributes.at("xlink:href");
    const std::string prefix = "data:image/png;base64,";
    ASSERT_EQ(href.rfind(prefix, 0), 0u);
    const QImage embedded = QImage::fromData(
        QByteArray::fromBase64(QByteArray::fromStdString(href.substr(prefix.size()))), "PNG");
    EXPECT_EQ(embedded.convertToFormat(QImage::Format_RGB32), image);
}

} // namespace
} // namespace osk::test
