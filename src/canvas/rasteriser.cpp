#include "canvas/rasteriser.h"

#include <QSet>

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/surface_font.h"
#include "core/curves/segment_clip.h"

namespace curvana {
namespace {

// The rasteriser's full turn is exact: the angles it is given were already rounded by whoever drew
// them, and the turn only decides where a sweep wraps round, not where any dot of a curve lies.
constexpr double kTwoPi = 2 * std::numbers::pi;
// A dashed line's dash and gap in logical pixels, whatever the pen's width.
constexpr double kDashPixels = 6;
// A region's tint: its colour this opaque (of 255), light enough for curves and axes to show through.
constexpr int kShadeAlpha = 56;
constexpr double kDashGapPixels = 4;

// Cuts a segment to `box`; false when nothing of it lies inside. Meant for ends that are already
// near the box.
bool clipNearSegment(QPointF& a, QPointF& b, const QRectF& box)
{
    double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
    if (!clipToBox(ax, ay, bx, by, {box.left(), box.right(), box.top(), box.bottom()}))
        return false;
    a = QPointF(ax, ay);
    b = QPointF(bx, by);
    return true;
}

// Cuts a segment to `box`. Far-away ends (1e30 and beyond) would lose the box's edges in the
// rounding of the usual clip, so the coordinate that changes most is first set to the box's
// edges exactly and the other one interpolated between the ends.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& box)
{
    const bool alongX = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    double ua = alongX ? a.x() : a.y(), va = alongX ? a.y() : a.x();
    double ub = alongX ? b.x() : b.y(), vb = alongX ? b.y() : b.x();
    if (ua > ub) {
        std::swap(ua, ub);
        std::swap(va, vb);
    }
    const double lo = alongX ? box.left() : box.top(), hi = alongX ? box.right() : box.bottom();
    if (ub < lo || ua > hi)
        return false;
    const auto at = [&](double u) { return ua == ub ? va : (va * (ub - u) + vb * (u - ua)) / (ub - ua); };
    const double u0 = std::max(ua, lo), u1 = std::min(ub, hi);
    const double v0 = u0 == ua ? va : at(u0), v1 = u1 == ub ? vb : at(u1);
    a = alongX ? QPointF(u0, v0) : QPointF(v0, u0);
    b = alongX ? QPointF(u1, v1) : QPointF(v1, u1);
    return clipNearSegment(a, b, box);
}

// An angle of the surface's circle taken within one turn; the sign only says "draw the radius".
double turnAngle(float angle)
{
    double a = std::abs(static_cast<double>(angle));
    if (a > kTwoPi)
        a = std::fmod(a, kTwoPi);
    return a;
}

} // namespace

Rasteriser::Rasteriser(const Surface& surface, QSizeF devicePixels, double scale)
    : m_surface(surface)
    , m_pixels(devicePixels)
    , m_scale(scale)
    , m_map(surface.scale().left, surface.scale().top, surface.scale().right, surface.scale().bottom, devicePixels)
{
}

int Rasteriser::penPixels(const Op& op) const { return std::max(1, static_cast<int>(std::lround(op.width * m_scale))); }

void Rasteriser::render(QImage& image, ListPos from, ListPos to) const
{
    const auto& ops = m_surface.ops();
    std::uint32_t i = from.op;
    while (i < ops.size() && ListPos{i, 0} < to) {
        const Op& op = ops[i];
        if (op.kind == OpKind::Dots) {
            const std::uint32_t first = i == from.op ? from.dot : 0;
            const std::uint32_t last = i == to.op ? to.dot : op.count;
            drawDots(image, op, first, last);
            ++i;
            continue;
        }
        // A run of shapes and texts shares one painter; dots never draw while it is open.
        QPainter painter(&image);
        // Positions here are device pixels already; undo the painter's own high-DPI scaling.
        painter.scale(1 / image.devicePixelRatio(), 1 / image.devicePixelRatio());
        while (i < ops.size() && ListPos{i, 0} < to && ops[i].kind != OpKind::Dots) {
            drawEntry(painter, ops[i], i == from.op ? from.dot : 0, i == to.op ? to.dot : ops[i].count);
            ++i;
        }
    }
}

void Rasteriser::render(QPainter& painter, ListPos from, ListPos to) const
{
    const auto& ops = m_surface.ops();
    for (std::uint32_t i = from.op; i < ops.size() && ListPos{i, 0} < to; ++i) {
        const Op& op = ops[i];
        const std::uint32_t first = i == from.op ? from.dot : 0, last = i == to.op ? to.dot : op.count;
        if (op.kind == OpKind::Dots)
            drawDots(painter, op, first, last);
        else
            drawEntry(painter, op, first, last);
    }
}

void Rasteriser::drawDots(QImage& image, const Op& op, std::uint32_t from, std::uint32_t to) const
{
    const int w = penPixels(op);
    const int width = image.width(), height = image.height();
    const QRgb colour = toQColor(op.colour).rgb();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const FloatPoint* points = m_surface.points().data() + op.first;
    // The map is linear: left edge of a dot = x * sx + ox, top edge = y * sy + oy.
    const QPointF origin = m_map.toPixel(0, 0), unit = m_map.toPixel(1, 1);
    const double half = w * 0.5 - 0.5;
    const double sx = unit.x() - origin.x(), ox = origin.x() - half;
    const double sy = unit.y() - origin.y(), oy = origin.y() - half;
    for (std::uint32_t k = from; k < to; ++k) {
        const double fx = points[k].x * sx + ox, fy = points[k].y * sy + oy;
        if (!(fx > -w - 1 && fx < width && fy > -w - 1 && fy < height))
            continue;
        // floor() by hand: the library call costs more than the whole pixel write.
        int left = static_cast<int>(fx), top = static_cast<int>(fy);
        left -= fx < left;
        top -= fy < top;
        if (left >= 0 && top >= 0 && left <= width - w && top <= height - w) {
            auto* row = reinterpret_cast<QRgb*>(bits + top * stride) + left;
            for (int y = 0; y < w; ++y, row = reinterpret_cast<QRgb*>(reinterpret_cast<uchar*>(row) + stride))
                for (int x = 0; x < w; ++x)
                    row[x] = colour;
            continue;
        }
        const int x0 = std::max(0, left), x1 = std::min(width, left + w);
        const int y0 = std::max(0, top), y1 = std::min(height, top + w);
        for (int y = y0; y < y1; ++y) {
            auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
            for (int x = x0; x < x1; ++x)
                row[x] = colour;
        }
    }
}

void Rasteriser::drawDots(QPainter& painter, const Op& op, std::uint32_t from, std::uint32_t to) const
{
    const int w = penPixels(op);
    const QColor colour = toQColor(op.colour);
    const FloatPoint* points = m_surface.points().data() + op.first;
    const QRectF visible(-w, -w, m_pixels.width() + 2 * w, m_pixels.height() + 2 * w);
    const double half = w * 0.5 - 0.5;
    // One path for the whole run, each covered square once: a curve's thousands of dots fall on
    // far fewer pixels, and a vector file (SVG, PDF) then holds one shape per run, not per dot.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    QSet<std::pair<qint64, qint64>> covered;
    for (std::uint32_t k = from; k < to; ++k) {
        const QPointF p = m_map.toPixel(points[k].x, points[k].y);
        if (!visible.contains(p))
            continue;
        const double left = std::floor(p.x() - half), top = std::floor(p.y() - half);
        const std::pair<qint64, qint64> square(static_cast<qint64>(left), static_cast<qint64>(top));
        if (!covered.contains(square)) {
            covered.insert(square);
            path.addRect(QRectF(left, top, w, w));
        }
    }
    painter.fillPath(path, colour);
}

void Rasteriser::drawEntry(QPainter& painter, const Op& op, std::uint32_t from, std::uint32_t to) const
{
    if (op.kind == OpKind::Polyline)
        drawPolyline(painter, op, from, to);
    else
        drawShape(painter, op);
}

// Points [from, to) of the polyline: the lines that end at them, so a polyline revealed in steps
// joins up, and a lone first point as a dot. Every line is cut to the margin first (far ends would
// overflow the painter's fixed-point maths); the lines that stay connected go to the painter as one
// polyline, so a dash pattern runs on along the curve and a vector file holds one path.
void Rasteriser::drawPolyline(QPainter& painter, const Op& op, std::uint32_t from, std::uint32_t to) const
{
    to = std::min(to, op.count);
    if (from >= to)
        return;
    const int width = penPixels(op);
    QPen pen(toQColor(op.colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (op.style == LineStyle::Dashed) {
        // Flat ends, or the round caps would fill the gaps of a thin line.
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({kDashPixels * m_scale / width, kDashGapPixels * m_scale / width});
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const FloatPoint* points = m_surface.points().data() + op.first;
    const auto pixel = [&](std::uint32_t k) { return m_map.toPixel(points[k].x, points[k].y); };
    const QRectF box = marginBox();
    if (to - from == 1 && (from == 0 || op.count == 1)) {
        if (box.contains(pixel(from)))
            painter.drawPoint(pixel(from));
        return;
    }
    QPolygonF run;
    const auto flush = [&] {
        if (run.size() > 1)
            painter.drawPolyline(run);
        run.clear();
    };
    for (std::uint32_t k = std::max(from, 1u); k < to; ++k) {
        QPointF a = pixel(k - 1), b = pixel(k);
        const QPointF end = b;
        if (!clipSegment(a, b, box)) {
            flush();
            continue;
        }
        if (run.isEmpty() || run.back() != a) {
            flush();
            run << a;
        }
        run << b;
        if (b != end)
            flush();
    }
    flush();
}

QRectF Rasteriser::marginBox() const
{
    const double margin = 4 * m_scale + 8;
    return QRectF(-margin, -margin, m_pixels.width() + 2 * margin, m_pixels.height() + 2 * margin);
}

void Rasteriser::drawShape(QPainter& painter, const Op& op) const
{
    const auto& points = m_surface.points();
    QPen pen(toQColor(op.colour), penPixels(op), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (op.kind) {
    case OpKind::Line:
        drawLine(painter, m_map.toPixel(points[op.first].x, points[op.first].y),
            m_map.toPixel(points[op.first + 1].x, points[op.first + 1].y));
        break;
    case OpKind::Box: {
        const QPointF a = m_map.toPixel(points[op.first].x, points[op.first].y);
        const QPointF c = m_map.toPixel(points[op.first + 1].x, points[op.first + 1].y);
        const QPointF b(c.x(), a.y()), d(a.x(), c.y());
        drawLine(painter, a, b);
        drawLine(painter, b, c);
        drawLine(painter, c, d);
        drawLine(painter, d, a);
        break;
    }
    case OpKind::Circle:
        drawCircle(painter, m_surface.circles()[op.first]);
        break;
    case OpKind::Text:
        drawText(painter, m_surface.texts()[op.first]);
        break;
    case OpKind::Clear:
        clear(painter, op.colour);
        break;
    case OpKind::Fill:
        fillPolygons(painter, op);
        break;
    case OpKind::Disc:
        drawDisc(painter, op);
        break;
    case OpKind::Dots:
    case OpKind::Polyline:
        break;
    }
}

// The polygons as one path, so rows that touch are tinted once, never twice where they meet.
void Rasteriser::fillPolygons(QPainter& painter, const Op& op) const
{
    const FloatPoint* points = m_surface.points().data() + op.first;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    QPolygonF polygon;
    std::uint32_t start = 0;
    for (std::uint32_t k = 0; k < op.count; ++k) {
        polygon << m_map.toPixel(points[k].x, points[k].y);
        if (k > start && points[k].x == points[start].x && points[k].y == points[start].y) {
            path.addPolygon(polygon);
            polygon.clear();
            start = k + 1;
        }
    }
    QColor tint = toQColor(op.colour);
    tint.setAlpha(kShadeAlpha);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!marginBox().contains(path.boundingRect())) {
        // Far-away corners would overflow the painter's fixed-point maths, as for lines.
        QPainterPath box;
        box.addRect(marginBox());
        path = path.intersected(box);
    }
    painter.fillPath(path, tint);
}

// Round and smooth however large the picture: its width grows with the pens'.
void Rasteriser::drawDisc(QPainter& painter, const Op& op) const
{
    const FloatPoint at = m_surface.points()[op.first];
    const QPointF centre = m_map.toPixel(at.x, at.y);
    const double radius = op.width * m_scale / 2;
    if (!marginBox().contains(centre))
        return;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(op.colour));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void Rasteriser::drawLine(QPainter& painter, QPointF a, QPointF b) const
{
    // Far-away ends would overflow the painter's fixed-point maths, so cut to a margin first.
    const QRectF box = marginBox();
    if (clipSegment(a, b, box))
        painter.drawLine(a, b);
}

void Rasteriser::drawCircle(QPainter& painter, const CircleOp& circle) const
{
    const QPointF centre = m_map.toPixel(circle.centre.x, circle.centre.y);
    const double radius = std::abs(static_cast<double>(circle.radius)) * m_map.pixelsPerXUnit();
    const double aspect = circle.aspect ? std::abs(static_cast<double>(*circle.aspect)) : 1.0;
    // The radius is the horizontal half-axis up to aspect 1 and the vertical one beyond.
    const double rx = aspect <= 1 ? radius : radius / aspect;
    const double ry = aspect <= 1 ? radius * aspect : radius;
    const double start = circle.start ? turnAngle(*circle.start) : 0.0;
    const double end = circle.end ? turnAngle(*circle.end) : kTwoPi;
    double sweep = end - start;
    // Counter-clockwise from start to end; ends at the same angle make the full circle rather
    // than nothing, and any other sweep, however small, is drawn as it is.
    if (sweep <= 0)
        sweep += kTwoPi;
    const auto at
        = [&](double angle) { return QPointF(centre.x() + rx * std::cos(angle), centre.y() - ry * std::sin(angle)); };
    // Clamped before the conversion: a radius near the top of single precision has no int.
    const int steps = static_cast<int>(std::clamp(std::ceil(sweep * std::max(rx, ry) / 2), 8.0, 20000.0));
    QPointF previous = at(start);
    for (int k = 1; k <= steps; ++k) {
        const QPointF next = at(start + sweep * k / steps);
        drawLine(painter, previous, next);
        previous = next;
    }
    if (circle.start && *circle.start < 0)
        drawLine(painter, centre, at(start));
    if (circle.end && *circle.end < 0)
        drawLine(painter, centre, at(end));
}

// Where the middle of a text's glyphs stands from its top-left corner: a number's leading blank
// is no part of its place.
QPointF inkCentre(const QFontMetricsF& metrics, const QString& text)
{
    const QString glyphs = text.trimmed();
    if (glyphs.isEmpty())
        return QPointF(metrics.horizontalAdvance(text), metrics.height()) / 2;
    const QRectF ink = metrics.tightBoundingRect(glyphs);
    return QPointF(metrics.horizontalAdvance(text.left(text.indexOf(glyphs))), metrics.ascent()) + ink.center();
}

// At the size the list was laid out for, a text's top-left corner is its point. At any other
// size the world stretches but glyphs do not: a text keeps on the world point that was its centre
// (axis numbers stay under their ticks), and a text placed beside another (a raised exponent)
// keeps its offset in pixels from that one's centre.
QPointF Rasteriser::textTopLeft(const TextOp& text, const QFontMetricsF& metrics) const
{
    const QSizeF laidOut = QSizeF(m_surface.textLayoutSize()) * m_scale;
    if (laidOut.isEmpty() || laidOut == m_pixels)
        return m_map.toPixel(text.at.x, text.at.y);
    const WorldRect world = m_surface.scale();
    const WorldMap design(world.left, world.top, world.right, world.bottom, laidOut);
    const TextOp& anchor = text.anchor < m_surface.texts().size() ? m_surface.texts()[text.anchor] : text;
    const QPointF anchorCentre = design.toPixel(anchor.at.x, anchor.at.y) + inkCentre(metrics, anchor.text);
    const QPointF offset = design.toPixel(text.at.x, text.at.y) - anchorCentre;
    const QPointF centreWorld = design.toWorld(anchorCentre);
    return m_map.toPixel(centreWorld.x(), centreWorld.y()) + offset;
}

void Rasteriser::drawText(QPainter& painter, const TextOp& text) const
{
    const QFont font = surfaceFont(m_scale);
    const QFontMetricsF metrics(font);
    const QPointF topLeft = textTopLeft(text, metrics);
    const double limit = 4 * (m_pixels.width() + m_pixels.height());
    if (std::abs(topLeft.x()) > limit || std::abs(topLeft.y()) > limit)
        return;
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), text.text);
}

void Rasteriser::clear(QPainter& painter, Rgb colour) const
{
    painter.fillRect(QRectF(QPointF(0, 0), m_pixels), toQColor(colour));
}

} // namespace curvana
