#include "export/SvgPicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QIODevice>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>

namespace osk {

namespace {

// Far outside any picture; SVG readers work in single precision anyway.
constexpr double kCoordinateLimit = 1e9;

// A number as SVG reads it: plain decimals, at most the given number of them, never "-0".
QByteArray number(double v, int decimals = 3) {
    if (!std::isfinite(v))
        return "0";
    const double scale = std::pow(10.0, decimals);
    const double rounded =
        std::round(std::clamp(v, -kCoordinateLimit, kCoordinateLimit) * scale) / scale;
    if (rounded == 0)
        return "0";
    QByteArray text = QByteArray::number(rounded, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text;
}

// Text as element content or attribute value: the markup characters as references, and the
// characters an XML document cannot hold left out.
QByteArray escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&':
            out += QLatin1String("&amp;");
            break;
        case U'<':
            out += QLatin1String("&lt;");
            break;
        case U'>':
            out += QLatin1String("&gt;");
            break;
        case U'"':
            out += QLatin1String("&quot;");
            break;
        case U'\'':
            out += QLatin1String("&apos;");
            break;
        case U'\t':
        case U'\n':
        case U'\r':
            out += QStringLiteral("&#%1;").arg(static_cast<unsigned>(c));
            break;
        default:
            if (c >= 0x20 && c != 0xFFFE && c != 0xFFFF)
                out += QString::fromUcs4(&c, 1);
        }
    }
    return out.toUtf8();
}

// The font's family for a reader that has it, then the generic family nearest to it.
QByteArray fontFamily(const QFont& font) {
    QString family = font.family();
    family.removeIf([](QChar c) { return c == u'\'' || c == u'"' || c == u',' || c == u'\\'; });
    family = family.trimmed();
    const QFont::StyleHint hint = font.styleHint();
    const char* generic = "sans-serif";
    if (font.fixedPitch() || hint == QFont::Monospace || hint == QFont::TypeWriter)
        generic = "monospace";
    else if (hint == QFont::Serif)
        generic = "serif";
    return family.isEmpty() ? QByteArray(generic) : "'" + escaped(family) + "', " + generic;
}

// SVG knows the weights 100 to 900 in steps of 100.
int cssWeight(const QFont& font) {
    return std::clamp((font.weight() + 50) / 100, 1, 9) * 100;
}

const char* fontStyle(const QFont& font) {
    switch (font.style()) {
    case QFont::StyleItalic:
        return "italic";
    case QFont::StyleOblique:
        return "oblique";
    default:
        return "normal";
    }
}

QByteArray attribute(const char* name, const QByteArray& value) {
    return QByteArray(" ") + name + "=\"" + value + "\"";
}

// What the engine writes itself. For anything else (gradients, patterns, textured pens,
// perspective) the painter draws the shape into an image first, which comes here as a picture.
QPaintEngine::PaintEngineFeatures engineFeatures() {
    return QPaintEngine::PrimitiveTransform | QPaintEngine::PixmapTransform |
           QPaintEngine::AlphaBlend | QPaintEngine::PainterPaths | QPaintEngine::Antialiasing |
           QPaintEngine::ConstantOpacity;
}

} // namespace

class SvgPaintEngine final : public QPaintEngine {
public:
    SvgPaintEngine(QIODevice& out, QSize size, int dpi, const QString& title)
        : QPaintEngine(engineFeatures()), out_(out), size_(size), dpi_(dpi), title_(title) {}

    bool begin(QPaintDevice* device) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;

    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawRects(const QRectF* rects, int count) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawPath(const QPainterPath& path) override;
    void drawTextItem(const QPointF& at, const QTextItem& item) override;
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;
    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override;
    Type type() const override { return QPaintEngine::User; }

private:
    // A translation is added to an element's coordinates; any other transform is written as
    // the element's own, with its coordinates as painted.
    bool translatesOnly() const { return transform_.type() <= QTransform::TxTranslate; }
    QPointF place(const QPointF& p) const {
        return translatesOnly() ? p + QPointF(transform_.dx(), transform_.dy()) : p;
    }
    QByteArray coordinates(const QPointF& p) const {
        const QPointF at = place(p);
        return number(at.x()) + ',' + number(at.y());
    }
    QByteArray transformAttribute() const;
    QByteArray colourAttributes(const char* paint, const QColor& colour) const;
    QByteArray strokeAttributes() const;
    QByteArray fillAttributes() const;
    bool strokes() const {
        return pen_.style() != Qt::NoPen && pen_.brush().style() != Qt::NoBrush;
    }
    void write(const QByteArray& line) { out_.write(line + '\n'); }

    QIODevice& out_;
    QSize size_;
    int dpi_;
    QString title_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    qreal opacity_ = 1;
    QBrush background_;
    Qt::BGMode backgroundMode_ = Qt::TransparentMode;
};

bool SvgPaintEngine::begin(QPaintDevice*) {
    if (!out_.isWritable())
        return false;
    // The size on paper, rounded down: a reader that makes pixels of it at the picture's own
    // resolution and rounds up still gets the size in units.
    const auto millimetres = [this](int units) {
        return number(std::floor(units * 25.4 / dpi_ * 1e4) / 1e4, 4) + "mm";
    };
    write(R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>)");
    write(R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink")"
          R"( version="1.2" baseProfile="tiny")" +
          attribute("width", millimetres(size_.width())) +
          attribute("height", millimetres(size_.height())) +
          attribute("viewBox", "0 0 " + QByteArray::number(size_.width()) + ' ' +
                                   QByteArray::number(size_.height())) +
          '>');
    write("<title>" + escaped(title_) + "</title>");
    return true;
}

bool SvgPaintEngine::end() {
    write("</svg>");
    return true;
}

void SvgPaintEngine::updateState(const QPaintEngineState& state) {
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyPen)
        pen_ = state.pen();
    if (dirty & DirtyBrush)
        brush_ = state.brush();
    if (dirty & DirtyTransform)
        transform_ = state.transform();
    if (dirty & DirtyOpacity)
        opacity_ = state.opacity();
    if (dirty & DirtyBackground)
        background_ = state.backgroundBrush();
    if (dirty & DirtyBackgroundMode)
        backgroundMode_ = state.backgroundMode();
}

QByteArray SvgPaintEngine::transformAttribute() const {
    if (translatesOnly())
        return {};
    const QTransform& t = transform_;
    return attribute("transform", "matrix(" + number(t.m11(), 6) + ' ' + number(t.m12(), 6) + ' ' +
                                      number(t.m21(), 6) + ' ' + number(t.m22(), 6) + ' ' +
                                      number(t.dx()) + ' ' + number(t.dy()) + ')');
}

QByteArray SvgPaintEngine::colourAttributes(const char* paint, const QColor& colour) const {
    QByteArray a = attribute(paint, colour.name(QColor::HexRgb).toLatin1());
    const double alpha = colour.alphaF() * opacity_;
    if (alpha < 1)
        a += attribute((QByteArray(paint) + "-opacity").constData(), number(alpha));
    return a;
}

QByteArray SvgPaintEngine::strokeAttributes() const {
    if (!strokes())
        return attribute("stroke", "none");
    // A pen of width 0 draws one pixel wide, whatever the transform.
    const bool cosmetic = pen_.isCosmetic() || pen_.widthF() == 0;
    const double width = pen_.widthF() > 0 ? pen_.widthF() : 1.0;
    QByteArray a =
        colourAttributes("stroke", pen_.color()) + attribute("stroke-width", number(width));
    if (cosmetic && !translatesOnly())
        a += attribute("vector-effect", "non-scaling-stroke");
    switch (pen_.capStyle()) {
    case Qt::FlatCap:
        a += attribute("stroke-linecap", "butt");
        break;
    case Qt::RoundCap:
        a += attribute("stroke-linecap", "round");
        break;
    default:
        a += attribute("stroke-linecap", "square");
    }
    switch (pen_.joinStyle()) {
    case Qt::MiterJoin:
    case Qt::SvgMiterJoin:
        a += attribute("stroke-linejoin", "miter") +
             attribute("stroke-miterlimit", number(std::max(1.0, pen_.miterLimit())));
        break;
    case Qt::RoundJoin:
        a += attribute("stroke-linejoin", "round");
        break;
    default:
        a += attribute("stroke-linejoin", "bevel");
    }
    if (pen_.style() != Qt::SolidLine) {
        // The pen's dashes are counted in line widths, SVG's in units.
        QByteArray dashes;
        for (const qreal dash : pen_.dashPattern())
            dashes += number(dash * width) + ',';
        if (!dashes.isEmpty()) {
            dashes.chop(1);
            a += attribute("stroke-dasharray", dashes);
            if (pen_.dashOffset() != 0)
                a += attribute("stroke-dashoffset", number(pen_.dashOffset() * width));
        }
    }
    return a;
}

QByteArray SvgPaintEngine::fillAttributes() const {
    // Brushes other than solid ones reach here only as pictures.
    if (brush_.style() == Qt::NoBrush)
        return attribute("fill", "none");
    return colourAttributes("fill", brush_.color());
}

void SvgPaintEngine::drawRects(const QRectF* rects, int count) {
    for (int i = 0; i < count; ++i) {
        const QRectF r = rects[i].normalized();
        if (r.isEmpty()) {
            // SVG draws nothing for a rect without area; its outline still shows as a line.
            const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
            drawPolygon(corners, 4, OddEvenMode);
            continue;
        }
        const QPointF at = place(r.topLeft());
        write("<rect" + attribute("x", number(at.x())) + attribute("y", number(at.y())) +
              attribute("width", number(r.width())) + attribute("height", number(r.height())) +
              fillAttributes() + strokeAttributes() + transformAttribute() + "/>");
    }
}

void SvgPaintEngine::drawLines(const QLineF* lines, int count) {
    if (!strokes())
        return;
    for (int i = 0; i < count; ++i) {
        const QLineF& l = lines[i];
        if (l.p1() == l.p2() && pen_.capStyle() == Qt::FlatCap)
            continue; // nothing to see, as on the screen
        const QPointF p1 = place(l.p1());
        const QPointF p2 = place(l.p2());
        write("<line" + attribute("x1", number(p1.x())) + attribute("y1", number(p1.y())) +
              attribute("x2", number(p2.x())) + attribute("y2", number(p2.y())) +
              strokeAttributes() + transformAttribute() + "/>");
    }
}

void SvgPaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
    const bool polyline = mode == PolylineMode;
    if (count < 2 || (polyline && !strokes()))
        return;
    QByteArray list;
    list.reserve(count * 10);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            list += ' ';
        list += coordinates(points[i]);
    }
    if (polyline) {
        write("<polyline" + attribute("fill", "none") + strokeAttributes() + transformAttribute() +
              attribute("points", list) + "/>");
    } else {
        write("<polygon" + fillAttributes() +
              attribute("fill-rule", mode == OddEvenMode ? "evenodd" : "nonzero") +
              strokeAttributes() + transformAttribute() + attribute("points", list) + "/>");
    }
}

void SvgPaintEngine::drawPath(const QPainterPath& path) {
    QByteArray d;
    QPointF start;
    QPointF last;
    int segments = 0;
    // A figure that comes back to where it started is closed, so that its corner there is
    // joined like the others.
    const auto closeFigure = [&] {
        if (segments > 1 && last == start)
            d += " Z";
    };
    const int n = path.elementCount();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element& e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            closeFigure();
            d += (d.isEmpty() ? "M" : " M") + coordinates(e);
            start = last = e;
            segments = 0;
            break;
        case QPainterPath::LineToElement:
            d += " L" + coordinates(e);
            last = e;
            ++segments;
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 < n) {
                const QPointF end = path.elementAt(i + 2);
                d += " C" + coordinates(e) + ' ' + coordinates(path.elementAt(i + 1)) + ' ' +
                     coordinates(end);
                last = end;
                ++segments;
                i += 2;
            }
            break;
        case QPainterPath::CurveToDataElement:
            break; // only after a CurveToElement, which takes it
        }
    }
    closeFigure();
    if (d.isEmpty())
        return;
    write("<path" + fillAttributes() +
          attribute("fill-rule", path.fillRule() == Qt::WindingFill ? "nonzero" : "evenodd") +
          strokeAttributes() + transformAttribute() + attribute("d", d) + "/>");
}

void SvgPaintEngine::drawTextItem(const QPointF& at, const QTextItem& item) {
    const QString text = item.text();
    if (text.isEmpty() || !strokes())
        return; // texts are drawn with the pen
    const QFont font = item.font();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi_ / 72;
    const QPointF p = place(at);
    write("<text" + attribute("x", number(p.x())) + attribute("y", number(p.y())) +
          attribute("font-family", fontFamily(font)) + attribute("font-size", number(pixels)) +
          attribute("font-weight", QByteArray::number(cssWeight(font))) +
          attribute("font-style", fontStyle(font)) + colourAttributes("fill", pen_.color()) +
          transformAttribute() + R"( xml:space="preserve">)" + escaped(text) + "</text>");
}

void SvgPaintEngine::drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) {
    if (!pixmap.isQBitmap()) {
        drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
        return;
    }
    // A bitmap paints its set bits with the pen, the others with the background when that is
    // opaque: let the raster engine do that, into a picture.
    QImage coloured(pixmap.size(), QImage::Format_ARGB32_Premultiplied);
    coloured.fill(Qt::transparent);
    QPainter painter(&coloured);
    painter.setPen(pen_);
    painter.setBackground(background_);
    painter.setBackgroundMode(backgroundMode_);
    painter.drawPixmap(0, 0, pixmap);
    painter.end();
    drawImage(target, coloured, source, Qt::AutoColor);
}

void SvgPaintEngine::drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                               Qt::ImageConversionFlags) {
    const QRect part = source.toAlignedRect().intersected(image.rect());
    const QRectF box = target.normalized();
    if (part.isEmpty() || box.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !(part == image.rect() ? image : image.copy(part)).save(&buffer, "PNG"))
        return;
    const QPointF at = place(box.topLeft());
    QByteArray a = attribute("x", number(at.x())) + attribute("y", number(at.y())) +
                   attribute("width", number(box.width())) +
                   attribute("height", number(box.height())) +
                   attribute("preserveAspectRatio", "none");
    if (opacity_ < 1)
        a += attribute("opacity", number(opacity_));
    write("<image" + a + transformAttribute() +
          attribute("xlink:href", "data:image/png;base64," + png.toBase64()) + "/>");
}

SvgPicture::SvgPicture(QIODevice& out, QSize size, int dpi, const QString& title)
    : size_(size.expandedTo(QSize(0, 0))), dpi_(dpi > 0 ? dpi : 96),
      engine_(std::make_unique<SvgPaintEngine>(out, size_, dpi_, title)) {}

SvgPicture::~SvgPicture() = default;

QPaintEngine* SvgPicture::paintEngine() const {
    return engine_.get();
}

int SvgPicture::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return static_cast<int>(std::lround(size_.width() * 25.4 / dpi_));
    case PdmHeightMM:
        return static_cast<int>(std::lround(size_.height() * 25.4 / dpi_));
    case PdmNumColors:
        return std::numeric_limits<int>::max();
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

} // namespace osk
