#pragma once
// The plotting surface: the drawing state of a picture box and everything drawn on it, kept as a
// display list in world coordinates so that any view, printer or file can render it at its own size.
#include <QObject>
#include <QString>
#include <QSize>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/curves/drawing.h"
#include "core/text/pen_colour.h"

namespace curvana {

enum class OpKind : std::uint8_t { Dots, Line, Box, Circle, Text, Clear, Polyline, Disc, Fill };

// One entry of the list. Dots and Polyline: points[first, first + count), a polyline's points
// joined in order; Line and Box: points[first] and points[first + 1]; Circle: circles[first];
// Text: texts[first]; Disc: a filled round dot `width` logical pixels across at points[first];
// Fill: points[first, first + count) as closed polygons, each ending with its own first point
// again, filled together in a light tint of the colour.
struct Op {
    OpKind kind;
    std::uint8_t width; // pen width in logical pixels
    Rgb colour;
    std::uint32_t first;
    std::uint32_t count;
    LineStyle style = LineStyle::Solid; // polylines only
};

struct FloatPoint {
    float x;
    float y;
};

struct CircleOp {
    FloatPoint centre;
    float radius;
    std::optional<float> start;
    std::optional<float> end;
    std::optional<float> aspect;
};

struct TextOp {
    FloatPoint at;
    QString text;
    // The text this one is placed beside (its own index when it stands alone): a raised exponent
    // keeps its place beside the caption it belongs to when the board is resized.
    std::uint32_t anchor = 0;
};

// A position in the list: entry `op`, and for a run of dots or a polyline, how many of its points
// come before.
struct ListPos {
    std::uint32_t op = 0;
    std::uint32_t dot = 0;
    friend bool operator==(const ListPos&, const ListPos&) = default;
    friend auto operator<=>(const ListPos&, const ListPos&) = default;
};

// Which drawing a range of the list holds: the document entry it was painted from and the
// revision of that entry, so the list can tell an entry changed in place from one it already shows.
struct ObjectKey {
    std::uint64_t id = 0;
    std::uint64_t revision = 0;
    friend bool operator==(const ObjectKey&, const ObjectKey&) = default;
};
// The freehand stroke still being drawn: it has no document entry until the pen lifts.
inline constexpr ObjectKey kStrokeInProgress{};

struct WorldRect {
    float left = -10, top = 10, right = 10, bottom = -10;
};

class Surface : public QObject {
    Q_OBJECT
public:
    explicit Surface(QSize logicalSize, QObject* parent = nullptr);

    // Drawing state
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width);
    Rgb foreColor() const { return m_foreColor; }
    void setForeColor(Rgb colour) { m_foreColor = colour; }
    Rgb backColor() const { return m_backColor; }
    void setBackColor(Rgb colour);
    float currentX() const { return m_current.x; }
    float currentY() const { return m_current.y; }
    WorldRect scale() const { return m_world; }
    // The logical size the list is laid out for; the height decides how far drawText moves down.
    QSize logicalSize() const { return m_logicalSize; }
    void setLogicalSize(QSize size) { m_logicalSize = size; }
    // The size at which texts stand where they were put, the picture's size as designed; at any
    // other width a text keeps its place relative to the drawing. Empty: the logical size.
    QSize textLayoutSize() const { return m_textLayoutSize.isEmpty() ? m_logicalSize : m_textLayoutSize; }
    void setTextLayoutSize(QSize size) { m_textLayoutSize = size; }
    bool hasTextLayoutSize() const { return !m_textLayoutSize.isEmpty(); }

    // Operations, all in world coordinates
    void clear();
    void setScale(float left, float top, float right, float bottom);
    // Stores one dot. A dot joins the open run when it has the run's colour and pen width, and
    // only a dot that opens a run is announced, so adding a whole curve costs no more than
    // storing it. Use drawPoint for a dot added in an event of its own (the freehand pen).
    void setPixel(float x, float y, Rgb colour);
    // One dot that views show at once, even when it only extends the open run.
    void drawPoint(float x, float y, Rgb colour);
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}, bool box = false);
    void drawLineTo(float x2, float y2, std::optional<Rgb> colour = {});
    // Points joined by straight lines in the pen's width; a point without a real value breaks it in
    // two, and a piece of one point is drawn as a dot.
    void drawPolyline(const std::vector<WorldPoint>& points, Rgb colour, LineStyle style = LineStyle::Solid);
    // A region shaded in a light tint of `colour`, seen through so the axes and grid stay visible.
    void fillShade(const Shade& shade, Rgb colour);
    void drawCircle(float cx, float cy, float radius, Rgb colour, std::optional<float> start = {},
        std::optional<float> end = {}, std::optional<float> aspect = {});
    // A filled round dot `diameter` logical pixels across (a marked point), whatever the pen's width.
    void drawDisc(float x, float y, int diameter, Rgb colour);
    // Writes `text` at the current position in the pen colour, then moves down one line.
    void drawText(const QString& text);
    // A caption: `text` at (x, y), in blue unless another colour is given.
    void drawTextAt(float x, float y, const QString& text, Rgb colour = kBlue);
    // A whole drawing of the curve and figure functions: marks, dots, segments, polylines, circles,
    // captions.
    void draw(const Drawing& drawing, Rgb colour);

    // The list
    const std::vector<Op>& ops() const { return m_ops; }
    const std::vector<FloatPoint>& points() const { return m_points; }
    const std::vector<CircleOp>& circles() const { return m_circles; }
    const std::vector<TextOp>& texts() const { return m_texts; }
    // The end of the list. When the last entry is a run of dots the end lies inside it, after its
    // last dot, because the run may still grow: a view that has shown everything up to end() then
    // still sees the dots added to that run later.
    ListPos end() const;
    // Dots and a polyline's points count one each, every other entry one: the pace of the
    // animated reveal, which shows a polyline growing point by point.
    std::uint64_t unitsBetween(ListPos from, ListPos to) const;
    ListPos advance(ListPos from, std::uint64_t units) const;
    // The last Clear at or before `pos`, where a full re-render may start.
    ListPos renderStartFor(ListPos pos) const;
    std::uint64_t dotCount() const { return m_dotCount; }
    // The length in world units of the lines of polyline entry `op` from its point `from` to its
    // point `to`; 0 for any other entry.
    double polylineLength(std::uint32_t op, std::uint32_t from, std::uint32_t to) const;

    // The list after the board as made (its axes) is a sequence of objects, each the range of
    // entries one document entry drew. Everything drawn after beginObject belongs to that object
    // until the next one begins.
    void beginObject(ObjectKey key);
    std::size_t objectCount() const { return m_objects.size(); }
    ObjectKey objectKey(std::size_t index) const { return m_objects.at(index).key; }
    // Removes the objects from `index` on, with one reset for the views however many they were.
    void removeObjectsFrom(std::size_t index);
    // Empties the list, the board as made included, for a board drawn again from its document.
    void removeEverything();
    // The last object, when it is the stroke in progress, now stands for the entry `key`.
    bool claimStrokeInProgress(ObjectKey key);
    // Draws the object of `key.id` again in place with `paint`, the objects after it untouched,
    // and tells the views; false when no object has that id.
    bool replaceObject(ObjectKey key, const std::function<void(Surface&)>& paint);

    // Height of one printed line in logical pixels.
    static int lineHeightPixels();

signals:
    // Entries were added at the end, or a dot drawn with drawPoint. Views follow the list from
    // their own position in it, so any number of them may listen.
    void appended();
    // Entries were removed or the background changed: views start again from the list.
    void reset();

private:
    void append(Op op);
    void appendDot(float x, float y, Rgb colour);
    // Sizes of every array where an object begins, so it can be cut back or replaced.
    struct ListSizes {
        std::size_t ops = 0, points = 0, circles = 0, texts = 0, clears = 0;
        std::uint64_t dots = 0;
    };
    struct ObjectRange {
        ObjectKey key;
        ListSizes start;
    };
    ListSizes sizes() const;
    void cutBackTo(const ListSizes& mark);
    static ListSizes movedPast(
        const ListSizes& start, const ListSizes& from, const ListSizes& to, const ListSizes& added);
    void splice(const ListSizes& from, const ListSizes& to, const Surface& drawn);
    static bool finite(float x, float y);

    std::vector<Op> m_ops;
    std::vector<FloatPoint> m_points;
    std::vector<CircleOp> m_circles;
    std::vector<TextOp> m_texts;
    std::vector<std::uint32_t> m_clearOps;
    std::vector<ObjectRange> m_objects;
    // Set at the boundaries of actions: the next dot opens a run of its own.
    bool m_runClosed = false;
    std::uint64_t m_dotCount = 0;

    QSize m_logicalSize;
    QSize m_textLayoutSize;
    WorldRect m_world;
    int m_drawWidth = 1;
    Rgb m_foreColor = kBlack;
    Rgb m_backColor = kWhite;
    FloatPoint m_current{0, 0};
};

} // namespace curvana
