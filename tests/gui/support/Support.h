// Helpers shared by the window tests: generated logs, modal answers, named cases, pixel
// counting, other processes, scroll-bar parts and the SVG the program writes.
#pragma once

#include "LogGenerator.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QWidget>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

namespace osk::test {

// Logs from the sample-log generator, one record every 10 seconds from start.
inline constexpr const char* kLogStart = "2024-03-01 00:00:00";

// tweak may change the generator's other options (name, gaps, line ends, ...).
inline std::string generatedLog(int64_t records, const std::string& start = kLogStart,
                                const std::function<void(genlog::LogOptions&)>& tweak = {}) {
    genlog::LogOptions options;
    options.records = records;
    options.start = start;
    if (tweak)
        tweak(options);
    return genlog::generateLog(options);
}

// Answering a modal dialog: answer runs on the modal window as soon as the dialog's own event
// loop shows it. A dialog the answer leaves open (a check in it failed) is closed, so that it
// cannot hang the run.
template <typename Dialog = QWidget>
void whenModal(std::type_identity_t<std::function<void(Dialog&)>> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal.data());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
        if (modal && modal->isVisible())
            modal->close();
    });
}

// Parameterised cases that carry their own name (a "name" member): gtest shows it for the
// case, and the suite names its instances by it.
// Put beside a case type that has a "name": gtest prints the case by it.
#define OSK_PRINTS_ITS_NAME(Case)                                                                  \
    inline void PrintTo(const Case& c, std::ostream* os) {                                         \
        *os << c.name;                                                                             \
    }

// For INSTANTIATE_TEST_SUITE_P: the case's name with everything but letters and digits as "_".
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    }
};

// Counting the pixels of pictures the program drew.
// Pixels of that colour (alpha ignored) in area, the whole picture by default.
inline int pixelsOf(const QImage& image, QColor colour, QRect area = {}) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    area = area.isNull() ? rgb.rect() : area.intersected(rgb.rect());
    const QRgb wanted = colour.rgb() | 0xFF000000u;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += rgb.pixel(x, y) == wanted;
    return n;
}

inline bool hasColour(const QImage& image, QColor colour) {
    return pixelsOf(image, colour) > 0;
}

// Whether anything but white is drawn in area.
inline bool inkIn(const QImage& image, QRect area) {
    area = area.intersected(image.rect());
    return pixelsOf(image, Qt::white, area) < area.width() * area.height();
}

// Pixels that differ between two pictures of one size.
inline int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// Another program run to its end: its exit code and what it wrote.
struct ProcessResult {
    bool finished = false; // in time and without a crash
    int exitCode = -1;
    std::string out, err;
};

inline ProcessResult
runProcess(const QString& program, const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 60000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    ProcessResult r;
    r.finished = p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString() +
            (r.finished ? std::string() : p.errorString().toStdString());
    return r;
}

// Where the style puts a part of a scroll bar (its thumb, an arrow), in the bar's own pixels.
inline QRect scrollBarPart(const QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

// The elements of an SVG document the program wrote, in document order.
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
