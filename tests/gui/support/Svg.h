// The elements of an SVG document the program wrote, in document order.
#pragma once

#include <QString>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace osk::test {

struct SvgElement {
    QString name;
    std::map<QString, QString> attributes;
    QString text;   // of title and text elements
    QString stroke; // its own, or that of the nearest enclosing element that sets one

    std::string operator[](const char* attribute) const {
        const auto found = attributes.find(QString::fromLatin1(attribute));
        return found == attributes.end() ? std::string() : found->second.toStdString();
    }
};

// The document must be well formed.
inline std::vector<SvgElement> svgElements(const QByteArray& svg) {
    std::vector<SvgElement> elements;
    std::vector<QString> strokes{QString()};
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement)
            strokes.pop_back();
        if (token != QXmlStreamReader::StartElement)
            continue;
        SvgElement e{xml.name().toString(), {}, {}, {}};
        for (const QXmlStreamAttribute& a : xml.attributes())
            e.attributes[a.qualifiedName().toString()] = a.value().toString();
        e.stroke = e["stroke"].empty() ? strokes.back() : QString::fromStdString(e["stroke"]);
        strokes.push_back(e.stroke);
        if (e.name == QLatin1String("text") || e.name == QLatin1String("title")) {
            e.text = xml.readElementText(); // up to and with its end
            strokes.pop_back();
        }
        elements.push_back(std::move(e));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << "\n" << svg.toStdString();
    return elements;
}

} // namespace osk::test
