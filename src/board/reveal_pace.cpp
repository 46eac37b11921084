#include "board/reveal_pace.h"

#include <QSettings>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/world_map.h"

namespace curvana {
namespace {

// A step between two dots longer than this is a gap in the curve (a pole, a branch ending off the
// board), not something drawn: it costs no more than a short step.
constexpr double kLongestDotStep = 0.05;
// A marked point waits this long (in board widths of path) before it shows, so a class sees the
// table's points put down one after the other: about a second each at 中.
constexpr double kMarkPause = 0.5;
// However large a circle, the reveal never waits on it for more than a few board widths.
constexpr double kLongestCircle = 4;

const char* const kSettingsKey = "reveal/speed";

struct SpeedName {
    RevealSpeed speed;
    const char* name;
    double seconds; // across the board
};
constexpr SpeedName kSpeeds[]
    = {{RevealSpeed::Slow, "slow", 6}, {RevealSpeed::Medium, "medium", 2}, {RevealSpeed::Fast, "fast", 0.5}};

QSettings curvanaSettings() { return QSettings(QStringLiteral("Curvana"), QStringLiteral("Curvana")); }

WorldMap unitBoard(const Surface& surface)
{
    const WorldRect w = surface.scale();
    return WorldMap(w.left, w.top, w.right, w.bottom, QSizeF(1, 1));
}

// A point on the unit board; what lies beyond the board is pulled to its edge, so a path that
// leaves the board costs nothing while it is away.
QPointF onBoard(const WorldMap& map, FloatPoint point)
{
    const QPointF p = map.toPixel(point.x, point.y);
    if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
        return {};
    return {std::clamp(p.x(), 0.0, 1.0), std::clamp(p.y(), 0.0, 1.0)};
}

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double circleLength(const WorldMap& map, const CircleOp& circle)
{
    const double radius = std::abs(static_cast<double>(circle.radius)) * map.pixelsPerXUnit();
    const double aspect = circle.aspect ? std::abs(static_cast<double>(*circle.aspect)) : 1.0;
    const double rx = aspect <= 1 ? radius : radius / aspect;
    const double ry = aspect <= 1 ? radius * aspect : radius;
    double turn = 1;
    if (circle.start && circle.end) {
        const double sweep = std::fmod(std::abs(*circle.end) - std::abs(*circle.start), 2 * std::numbers::pi);
        turn = (sweep <= 0 ? sweep + 2 * std::numbers::pi : sweep) / (2 * std::numbers::pi);
    }
    // Ramanujan's near-exact perimeter of an ellipse.
    const double h = std::pow(rx - ry, 2) / std::max(1e-12, std::pow(rx + ry, 2));
    const double perimeter = std::numbers::pi * (rx + ry) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
    return std::isfinite(perimeter) ? std::min(kLongestCircle, perimeter * turn) : 0.0;
}

} // namespace

double boardsPerSecond(RevealSpeed speed)
{
    for (const SpeedName& entry : kSpeeds)
        if (entry.speed == speed)
            return 1 / entry.seconds;
    return 1 / kSpeeds[1].seconds;
}

std::uint32_t revealPieces(const Op& op)
{
    return op.kind == OpKind::Dots || op.kind == OpKind::Polyline ? op.count : 1;
}

double pieceLength(const Surface& surface, std::uint32_t opIndex, std::uint32_t piece)
{
    const Op& op = surface.ops()[opIndex];
    const WorldMap map = unitBoard(surface);
    const auto& points = surface.points();
    switch (op.kind) {
    case OpKind::Dots:
        if (piece == 0)
            return 0;
        return std::min(kLongestDotStep,
            distance(onBoard(map, points[op.first + piece - 1]), onBoard(map, points[op.first + piece])));
    case OpKind::Polyline: // each line is drawn, however long
        if (piece == 0)
            return 0;
        return distance(onBoard(map, points[op.first + piece - 1]), onBoard(map, points[op.first + piece]));
    case OpKind::Line:
        return distance(onBoard(map, points[op.first]), onBoard(map, points[op.first + 1]));
    case OpKind::Box: {
        const QPointF a = onBoard(map, points[op.first]), b = onBoard(map, points[op.first + 1]);
        return 2 * (std::abs(a.x() - b.x()) + std::abs(a.y() - b.y()));
    }
    case OpKind::Circle:
        return circleLength(map, surface.circles()[op.first]);
    case OpKind::Disc:
        return kMarkPause;
    case OpKind::Text: // a caption appears with its curve, taking no time of its own
    case OpKind::Fill: // so does the shading of a region
    case OpKind::Clear:
        return 0;
    }
    return 0;
}

ListPos advanceAlongPath(const Surface& surface, ListPos from, double& budget)
{
    const std::vector<Op>& ops = surface.ops();
    ListPos pos = from;
    // Every turn shows one piece of a finite list or stops.
    while (pos.op < ops.size()) {
        if (pos.dot >= revealPieces(ops[pos.op])) {
            pos = {pos.op + 1, 0};
            continue;
        }
        const double length = pieceLength(surface, pos.op, pos.dot);
        if (length > budget)
            break;
        budget -= length;
        ++pos.dot;
    }
    return pos.op >= ops.size() ? surface.end() : pos;
}

RevealSpeed rememberedRevealSpeed()
{
    const QString stored = curvanaSettings().value(QString::fromLatin1(kSettingsKey)).toString();
    for (const SpeedName& entry : kSpeeds)
        if (stored == QLatin1String(entry.name))
            return entry.speed;
    return RevealSpeed::Medium;
}

void rememberRevealSpeed(RevealSpeed speed)
{
    for (const SpeedName& entry : kSpeeds)
        if (entry.speed == speed)
            curvanaSettings().setValue(QString::fromLatin1(kSettingsKey), QString::fromLatin1(entry.name));
}

} // namespace curvana
