#include "canvas/surface.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "canvas/surface_font.h"
#include "core/curves/marked_points.h"
#include "core/document/window_catalogue.h"

namespace curvana {

Surface::Surface(QSize logicalSize, QObject* parent)
    : QObject(parent)
    , m_logicalSize(logicalSize)
{
}

void Surface::setDrawWidth(int width) { m_drawWidth = width < 1 ? 1 : (width > 255 ? 255 : width); }

void Surface::setBackColor(Rgb colour)
{
    m_backColor = colour;
    emit reset();
}

bool Surface::finite(float x, float y) { return std::isfinite(x) && std::isfinite(y); }

void Surface::append(Op op)
{
    m_ops.push_back(op);
    m_runClosed = false;
    emit appended();
}

void Surface::appendDot(float x, float y, Rgb colour)
{
    const auto width = static_cast<std::uint8_t>(m_drawWidth);
    if (!m_runClosed && !m_ops.empty()) {
        Op& last = m_ops.back();
        if (last.kind == OpKind::Dots && last.colour == colour && last.width == width) {
            m_points.push_back({x, y});
            ++last.count;
            ++m_dotCount;
            return;
        }
    }
    m_points.push_back({x, y});
    ++m_dotCount;
    append({OpKind::Dots, width, colour, static_cast<std::uint32_t>(m_points.size() - 1), 1});
}

void Surface::clear()
{
    m_clearOps.push_back(static_cast<std::uint32_t>(m_ops.size()));
    m_current = {0, 0};
    append({OpKind::Clear, 0, m_backColor, 0, 0});
}

void Surface::setScale(float left, float top, float right, float bottom)
{
    if (!(finite(left, top) && finite(right, bottom)) || left == right || top == bottom)
        return;
    m_world = {left, top, right, bottom};
    emit reset();
}

void Surface::setPixel(float x, float y, Rgb colour)
{
    if (!finite(x, y))
        return;
    appendDot(x, y, colour);
    m_current = {x, y};
}

void Surface::drawPoint(float x, float y, Rgb colour)
{
    const std::size_t opsBefore = m_ops.size();
    setPixel(x, y, colour);
    // A dot that opened a run was announced already.
    if (m_ops.size() == opsBefore && finite(x, y))
        emit appended();
}

void Surface::drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour, bool box)
{
    if (!finite(x1, y1) || !finite(x2, y2))
        return;
    m_points.push_back({x1, y1});
    m_points.push_back({x2, y2});
    append({box ? OpKind::Box : OpKind::Line, static_cast<std::uint8_t>(m_drawWidth), colour.value_or(m_foreColor),
        static_cast<std::uint32_t>(m_points.size() - 2), 2});
    m_current = {x2, y2};
}

void Surface::drawLineTo(float x2, float y2, std::optional<Rgb> colour)
{
    drawLine(m_current.x, m_current.y, x2, y2, colour);
}

void Surface::drawPolyline(const std::vector<WorldPoint>& points, Rgb colour, LineStyle style)
{
    std::size_t start = 0;
    // Each stretch of real points is an entry of its own.
    for (std::size_t i = 0; i <= points.size(); ++i) {
        const bool real = i < points.size() && finite(static_cast<float>(points[i].x), static_cast<float>(points[i].y));
        if (real)
            continue;
        if (i > start) {
            const auto first = static_cast<std::uint32_t>(m_points.size());
            for (std::size_t k = start; k < i; ++k)
                m_points.push_back({static_cast<float>(points[k].x), static_cast<float>(points[k].y)});
            m_current = m_points.back();
            append({OpKind::Polyline, static_cast<std::uint8_t>(m_drawWidth), colour, first,
                static_cast<std::uint32_t>(i - start), style});
        }
        start = i + 1;
    }
}

void Surface::fillShade(const Shade& shade, Rgb colour)
{
    const auto first = static_cast<std::uint32_t>(m_points.size());
    for (const std::vector<WorldPoint>& polygon : shade.polygons) {
        const bool whole = polygon.size() >= 3 && std::all_of(polygon.begin(), polygon.end(), [](const WorldPoint& p) {
            return finite(static_cast<float>(p.x), static_cast<float>(p.y));
        });
        if (!whole)
            continue;
        for (const WorldPoint& p : polygon)
            m_points.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
        m_points.push_back(m_points[m_points.size() - polygon.size()]);
    }
    const auto count = static_cast<std::uint32_t>(m_points.size() - first);
    if (count > 0)
        append({OpKind::Fill, 0, colour, first, count});
}

void Surface::drawCircle(float cx, float cy, float radius, Rgb colour, std::optional<float> start,
    std::optional<float> end, std::optional<float> aspect)
{
    const auto bad = [](std::optional<float> v) { return v && !std::isfinite(*v); };
    if (!finite(cx, cy) || !std::isfinite(radius) || bad(start) || bad(end) || bad(aspect))
        return;
    m_circles.push_back({{cx, cy}, radius, start, end, aspect});
    append({OpKind::Circle, static_cast<std::uint8_t>(m_drawWidth), colour,
        static_cast<std::uint32_t>(m_circles.size() - 1), 1});
    m_current = {cx, cy};
}

void Surface::drawDisc(float x, float y, int diameter, Rgb colour)
{
    if (!finite(x, y))
        return;
    m_points.push_back({x, y});
    append({OpKind::Disc, static_cast<std::uint8_t>(std::clamp(diameter, 1, 255)), colour,
        static_cast<std::uint32_t>(m_points.size() - 1), 1});
    m_current = {x, y};
}

void Surface::drawText(const QString& text)
{
    if (!finite(m_current.x, m_current.y))
        return;
    m_texts.push_back({m_current, text, static_cast<std::uint32_t>(m_texts.size())});
    append({OpKind::Text, static_cast<std::uint8_t>(m_drawWidth), m_foreColor,
        static_cast<std::uint32_t>(m_texts.size() - 1), 1});
    // The print position moves to the start of the next line.
    const double unitsPerPixel = std::abs(m_world.bottom - m_world.top) / std::max(1, m_logicalSize.height());
    const double down = m_world.bottom < m_world.top ? -1.0 : 1.0;
    m_current.y = static_cast<float>(m_current.y + down * lineHeightPixels() * unitsPerPixel);
}

void Surface::drawTextAt(float x, float y, const QString& text, Rgb colour)
{
    m_current = {x, y};
    m_foreColor = colour;
    drawText(text);
}

void Surface::draw(const Drawing& drawing, Rgb colour)
{
    const auto f = [](double v) { return static_cast<float>(v); };
    for (const Shade& shade : drawing.shades)
        fillShade(shade, colour);
    // A mark's text was placed beside its dot in the designed board's units; it keeps the same
    // distance in pixels from the dot whatever part of the world the board shows.
    const double xShare = std::abs(m_world.right - m_world.left) / kBoardUnits;
    const double yShare = std::abs(m_world.top - m_world.bottom) / kBoardUnits;
    for (const Mark& mark : drawing.marks) {
        drawDisc(f(mark.at.x), f(mark.at.y), kMarkDiameterPixels, colour);
        const Caption& label = mark.label;
        drawTextAt(f(mark.at.x + (label.at.x - mark.at.x) * xShare), f(mark.at.y + (label.at.y - mark.at.y) * yShare),
            QString::fromStdString(label.text), label.colour.value_or(colour));
    }
    for (const WorldPoint& p : drawing.dots)
        setPixel(f(p.x), f(p.y), colour);
    for (const Segment& s : drawing.segments)
        drawLine(f(s.from.x), f(s.from.y), f(s.to.x), f(s.to.y), colour, s.box);
    for (const Polyline& piece : drawing.polylines)
        drawPolyline(piece.points, colour, piece.style);
    for (const CircleSpec& c : drawing.circles) {
        const auto opt = [&](std::optional<double> v) { return v ? std::optional<float>(f(*v)) : std::nullopt; };
        drawCircle(f(c.centre.x), f(c.centre.y), f(c.radius), colour, opt(c.start), opt(c.end), opt(c.aspect));
    }
    // The captions of one drawing belong together: the later ones are placed beside the first.
    const auto firstCaption = static_cast<std::uint32_t>(m_texts.size());
    for (const Caption& c : drawing.captions) {
        drawTextAt(f(c.at.x), f(c.at.y), QString::fromStdString(c.text), c.colour.value_or(kBlue));
        m_texts.back().anchor = firstCaption;
    }
}

// Entries revealed point by point.
static bool growsByPoints(OpKind kind) { return kind == OpKind::Dots || kind == OpKind::Polyline; }

ListPos Surface::end() const
{
    if (!m_ops.empty() && m_ops.back().kind == OpKind::Dots)
        return {static_cast<std::uint32_t>(m_ops.size() - 1), m_ops.back().count};
    return {static_cast<std::uint32_t>(m_ops.size()), 0};
}

std::uint64_t Surface::unitsBetween(ListPos from, ListPos to) const
{
    std::uint64_t units = 0;
    for (std::uint32_t i = from.op; i < to.op && i < m_ops.size(); ++i)
        units += growsByPoints(m_ops[i].kind) ? m_ops[i].count - (i == from.op ? from.dot : 0) : 1;
    if (to.op < m_ops.size())
        units += to.dot - (to.op == from.op ? from.dot : 0);
    return units;
}

ListPos Surface::advance(ListPos from, std::uint64_t units) const
{
    ListPos pos = from;
    while (units > 0 && pos.op < m_ops.size()) {
        const Op& op = m_ops[pos.op];
        if (!growsByPoints(op.kind)) {
            ++pos.op;
            --units;
            continue;
        }
        const std::uint64_t left = op.count - pos.dot;
        if (units < left) {
            pos.dot += static_cast<std::uint32_t>(units);
            return pos;
        }
        units -= left;
        pos = {pos.op + 1, 0};
    }
    return pos.op >= m_ops.size() ? end() : pos;
}

ListPos Surface::renderStartFor(ListPos pos) const
{
    ListPos start{0, 0};
    for (std::uint32_t clearOp : m_clearOps) {
        if (clearOp >= pos.op)
            break;
        start = {clearOp, 0};
    }
    return start;
}

double Surface::polylineLength(std::uint32_t op, std::uint32_t from, std::uint32_t to) const
{
    if (op >= m_ops.size() || m_ops[op].kind != OpKind::Polyline)
        return 0;
    const Op& entry = m_ops[op];
    const FloatPoint* points = m_points.data() + entry.first;
    double length = 0;
    for (std::uint32_t k = from + 1; k < std::min(to, entry.count); ++k)
        length += std::hypot(double(points[k].x) - points[k - 1].x, double(points[k].y) - points[k - 1].y);
    return length;
}

Surface::ListSizes Surface::sizes() const
{
    return {m_ops.size(), m_points.size(), m_circles.size(), m_texts.size(), m_clearOps.size(), m_dotCount};
}

void Surface::beginObject(ObjectKey key)
{
    m_objects.push_back({key, sizes()});
    m_runClosed = true;
}

void Surface::removeObjectsFrom(std::size_t index)
{
    if (index >= m_objects.size())
        return;
    const ListSizes mark = m_objects[index].start;
    m_objects.resize(index);
    cutBackTo(mark);
}

void Surface::removeEverything()
{
    m_objects.clear();
    cutBackTo(ListSizes{});
}

bool Surface::claimStrokeInProgress(ObjectKey key)
{
    if (m_objects.empty() || m_objects.back().key != kStrokeInProgress)
        return false;
    m_objects.back().key = key;
    return true;
}

void Surface::cutBackTo(const ListSizes& mark)
{
    m_ops.resize(mark.ops);
    m_points.resize(mark.points);
    m_circles.resize(mark.circles);
    m_texts.resize(mark.texts);
    m_clearOps.resize(mark.clears);
    m_dotCount = mark.dots;
    m_runClosed = true;
    emit reset();
}

bool Surface::replaceObject(ObjectKey key, const std::function<void(Surface&)>& paint)
{
    const auto object = std::find_if(
        m_objects.begin(), m_objects.end(), [&](const ObjectRange& range) { return range.key.id == key.id; });
    if (object == m_objects.end())
        return false;
    // The new drawing is made on a blank list in the same drawing state, then takes the old
    // one's place; what follows it only moves.
    Surface drawn(m_logicalSize);
    drawn.m_textLayoutSize = m_textLayoutSize;
    drawn.m_world = m_world;
    drawn.m_drawWidth = m_drawWidth;
    drawn.m_foreColor = m_foreColor;
    drawn.m_backColor = m_backColor;
    drawn.m_current = m_current;
    paint(drawn);
    const ListSizes from = object->start;
    const ListSizes to = std::next(object) == m_objects.end() ? sizes() : std::next(object)->start;
    object->key = key;
    splice(from, to, drawn);
    for (auto later = std::next(object); later != m_objects.end(); ++later)
        later->start = movedPast(later->start, from, to, drawn.sizes());
    m_runClosed = true;
    emit reset();
    return true;
}

namespace {

// The array an entry's `first` indexes into.
enum class Store { Points, Circles, Texts, None };

Store storeOf(OpKind kind)
{
    switch (kind) {
    case OpKind::Dots:
    case OpKind::Line:
    case OpKind::Box:
    case OpKind::Polyline:
    case OpKind::Fill:
    case OpKind::Disc:
        return Store::Points;
    case OpKind::Circle:
        return Store::Circles;
    case OpKind::Text:
        return Store::Texts;
    case OpKind::Clear:
        return Store::None;
    }
    return Store::None;
}

// Where an index into one array lands when the range [start, end) becomes `length` long.
std::size_t moved(std::size_t index, std::size_t start, std::size_t end, std::size_t length)
{
    return index >= end ? index - (end - start) + length : index;
}

template <class T> void spliceArray(std::vector<T>& into, std::size_t from, std::size_t to, const std::vector<T>& drawn)
{
    into.erase(into.begin() + static_cast<std::ptrdiff_t>(from), into.begin() + static_cast<std::ptrdiff_t>(to));
    into.insert(into.begin() + static_cast<std::ptrdiff_t>(from), drawn.begin(), drawn.end());
}

} // namespace

Surface::ListSizes Surface::movedPast(
    const ListSizes& start, const ListSizes& from, const ListSizes& to, const ListSizes& added)
{
    return {moved(start.ops, from.ops, to.ops, added.ops), moved(start.points, from.points, to.points, added.points),
        moved(start.circles, from.circles, to.circles, added.circles),
        moved(start.texts, from.texts, to.texts, added.texts),
        moved(start.clears, from.clears, to.clears, added.clears), start.dots - (to.dots - from.dots) + added.dots};
}

void Surface::splice(const ListSizes& from, const ListSizes& to, const Surface& drawn)
{
    const ListSizes added = drawn.sizes();
    // The entries before the object keep their indices, the object's own start at its
    // beginning, the ones after it shift by the change in length.
    const auto shift = [&](Op op, bool own) {
        const Store store = storeOf(op.kind);
        if (store == Store::None)
            return op;
        const auto in = [store](const ListSizes& sizes) {
            return store == Store::Points ? sizes.points : store == Store::Circles ? sizes.circles : sizes.texts;
        };
        op.first = static_cast<std::uint32_t>(own ? op.first + in(from) : moved(op.first, in(from), in(to), in(added)));
        return op;
    };
    for (std::size_t i = to.ops; i < m_ops.size(); ++i)
        m_ops[i] = shift(m_ops[i], false);
    for (std::size_t i = to.texts; i < m_texts.size(); ++i)
        m_texts[i].anchor = static_cast<std::uint32_t>(moved(m_texts[i].anchor, from.texts, to.texts, added.texts));
    for (std::size_t i = to.clears; i < m_clearOps.size(); ++i)
        m_clearOps[i] = static_cast<std::uint32_t>(moved(m_clearOps[i], from.ops, to.ops, added.ops));
    std::vector<Op> ops;
    ops.reserve(drawn.m_ops.size());
    for (const Op& op : drawn.m_ops)
        ops.push_back(shift(op, true));
    std::vector<TextOp> texts = drawn.m_texts;
    for (TextOp& text : texts)
        text.anchor = static_cast<std::uint32_t>(text.anchor + from.texts);
    std::vector<std::uint32_t> clears = drawn.m_clearOps;
    for (std::uint32_t& clear : clears)
        clear = static_cast<std::uint32_t>(clear + from.ops);
    spliceArray(m_ops, from.ops, to.ops, ops);
    spliceArray(m_points, from.points, to.points, drawn.m_points);
    spliceArray(m_circles, from.circles, to.circles, drawn.m_circles);
    spliceArray(m_texts, from.texts, to.texts, texts);
    spliceArray(m_clearOps, from.clears, to.clears, clears);
    m_dotCount = m_dotCount - (to.dots - from.dots) + added.dots;
}

int Surface::lineHeightPixels() { return QFontMetrics(surfaceFont(1.0)).height(); }

} // namespace curvana
