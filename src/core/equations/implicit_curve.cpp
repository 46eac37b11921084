#include "core/equations/implicit_curve.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "core/equations/curve_graph.h"

namespace curvana {

namespace {

// Cells about this many pixels wide: the points put on the curve are then close enough that the
// straight lines between them stay within a small part of a pixel of it.
constexpr double kCellPixels = 1.0;
// How far, in cells, the crossing of two branches bends them: inside this block round a point
// where the gradient vanishes, the arms are drawn straight to that point.
constexpr int kCrossingReach = 2;
constexpr int kEdgeRootSteps = 30;
constexpr double kMaxCellsAcross = 1 << 14;
constexpr int kNewtonSteps = 10;
// Shifts the grid off round numbers, so lines such as x = 2 or the origin do not fall on corners.
constexpr double kGridShiftX = 0.2137;
constexpr double kGridShiftY = 0.3719;

using CellKey = std::uint64_t;

CellKey keyOf(long i, long j) { return (static_cast<CellKey>(i) << 32) | static_cast<CellKey>(j); }

struct Vec {
    double x;
    double y;
};

class Tracer {
public:
    Tracer(const PlaneFunction& function, PlotArea area, PixelScale scale, const WorkDeadline& deadline)
        : m_f(function)
        , m_deadline(deadline)
    {
        m_h = {kCellPixels / scale.perUnitX, kCellPixels / scale.perUnitY};
        m_origin = {area.left - kGridShiftX * m_h.x, area.bottom - kGridShiftY * m_h.y};
        const double columns = std::ceil((area.right - m_origin.x) / m_h.x) + 1;
        const double rows = std::ceil((area.top - m_origin.y) / m_h.y) + 1;
        m_sizeProblem = !(columns >= 2 && rows >= 2) ? "画面的范围不对，无法画出这个方程。"
            : columns > kMaxCellsAcross || rows > kMaxCellsAcross ? "画面太大，无法画出这个方程。"
                                                                  : "";
        if (!m_sizeProblem.empty())
            return;
        m_columns = static_cast<long>(columns);
        m_rows = static_cast<long>(rows);
        while ((1L << m_levels) < std::max(m_columns, m_rows))
            ++m_levels;
    }

    std::variant<TracedCurve, std::string> run()
    {
        if (!m_sizeProblem.empty())
            return m_sizeProblem;
        if (!findCells(0, 0, m_levels))
            return std::string("这个方程太复杂，没能及时画完，请写得简单些。");
        for (const CellKey cell : m_leaves) {
            if (++m_work % 64 == 0 && m_deadline.passed())
                return std::string("这个方程太复杂，没能及时画完，请写得简单些。");
            traceCell(static_cast<long>(cell >> 32), static_cast<long>(cell & 0xffffffffU));
        }
        joinCrossings();
        for (const auto& [cell, segment] : m_segments)
            if (!m_patched.contains(cell))
                m_graph.connect(segment.first, segment.second);
        TracedCurve curve;
        curve.pieces = m_graph.pieces();
        curve.isolatedPoints = std::move(m_isolated);
        return curve;
    }

private:
    Vec corner(long i, long j) const { return {m_origin.x + i * m_h.x, m_origin.y + j * m_h.y}; }
    double at(Vec p) const { return m_f(p.x, p.y); }

    // The boxes of 2^level cells that may hold the curve, down to single cells.
    bool findCells(long i, long j, int level)
    {
        if (i >= m_columns || j >= m_rows)
            return true;
        if (++m_work > kMaxTracedCells || (m_work % 256 == 0 && m_deadline.passed()))
            return false;
        const long size = 1L << level;
        const Vec low = corner(i, j);
        const Vec high = corner(i + size, j + size);
        if (!m_f.over({low.x, high.x, false}, {low.y, high.y, false}).contains(0))
            return true;
        if (level == 0) {
            m_leaves.push_back(keyOf(i, j));
            return true;
        }
        const long half = size / 2;
        return findCells(i, j, level - 1) && findCells(i + half, j, level - 1) && findCells(i, j + half, level - 1)
            && findCells(i + half, j + half, level - 1);
    }

    // Where the curve crosses the edge from corner (i, j) to the next one along x (or y), a vertex
    // of the curve found once and shared by the two cells beside the edge; -1 for none.
    int edgeVertex(long i, long j, bool alongX)
    {
        const CellKey key = keyOf(i, j) * 2 + (alongX ? 1 : 0);
        if (const auto found = m_edges.find(key); found != m_edges.end())
            return found->second;
        const Vec a = corner(i, j);
        const Vec b = alongX ? corner(i + 1, j) : corner(i, j + 1);
        const auto root = rootBetween(a, b);
        const int vertex = root ? m_graph.add(*root) : -1;
        m_edges.emplace(key, vertex);
        return vertex;
    }

    // A sign change of F between a and b that is a root, not a pole: false position (Illinois),
    // then F at the root must be far smaller than at the ends.
    std::optional<WorldPoint> rootBetween(Vec a, Vec b) const
    {
        double fa = at(a);
        double fb = at(b);
        if (std::isnan(fa) || std::isnan(fb) || (fa >= 0) == (fb >= 0))
            return std::nullopt;
        const double scale = std::max(std::fabs(fa), std::fabs(fb));
        double ta = 0;
        double tb = 1;
        double t = 0.5;
        double ft = 0;
        int sameSide = 0;
        for (int step = 0; step < kEdgeRootSteps && tb - ta > 1e-10; ++step) {
            t = (fb - fa) != 0 && std::isfinite(fb - fa) ? (ta * fb - tb * fa) / (fb - fa) : 0.5 * (ta + tb);
            if (!(t > ta && t < tb))
                t = 0.5 * (ta + tb);
            ft = at({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
            if (std::isnan(ft))
                return std::nullopt;
            if (ft == 0)
                break;
            if ((ft >= 0) == (fb >= 0)) {
                tb = t;
                fb = ft;
                if (++sameSide >= 2)
                    fa /= 2;
            } else {
                ta = t;
                fa = ft;
                sameSide = 0;
            }
        }
        if (std::fabs(ft) > 1e-3 * scale)
            return std::nullopt;
        return WorldPoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    }

    void traceCell(long i, long j)
    {
        // Corners counter-clockwise from the lower left; edge k runs from corner k to corner k+1.
        const int vertices[4] = {
            edgeVertex(i, j, true), edgeVertex(i + 1, j, false), edgeVertex(i, j + 1, true), edgeVertex(i, j, false)};
        std::vector<int> crossed;
        for (const int v : vertices)
            if (v >= 0)
                crossed.push_back(v);
        const CellKey cell = keyOf(i, j);
        if (crossed.size() == 2) {
            addSegment(cell, crossed[0], crossed[1]);
        } else if (crossed.size() == 4) {
            // Two branches through one cell: the sign at the centre tells which corners they cut off.
            const Vec centre = corner(i, j);
            const bool centreLikeFirst = (at({centre.x + m_h.x / 2, centre.y + m_h.y / 2}) >= 0) == (at(centre) >= 0);
            if (centreLikeFirst) {
                addSegment(cell, vertices[0], vertices[1]);
                addSegment(cell, vertices[2], vertices[3]);
            } else {
                addSegment(cell, vertices[3], vertices[0]);
                addSegment(cell, vertices[1], vertices[2]);
            }
            m_suspects.push_back(cell);
        } else if (crossed.empty()) {
            findTouchingPoint(i, j);
        }
    }

    void addSegment(CellKey cell, int a, int b)
    {
        m_segments.emplace_back(cell, std::make_pair(a, b));
        // A segment whose middle is far from the curve cuts a corner off a crossing nearby.
        const WorldPoint& p = m_graph.point(a);
        const WorldPoint& q = m_graph.point(b);
        const Vec middle = {(p.x + q.x) / 2, (p.y + q.y) / 2};
        const Vec g = gradient(middle);
        const double distance = std::fabs(at(middle)) / std::hypot(g.x, g.y);
        if (!(distance < 0.1 * std::min(m_h.x, m_h.y)))
            m_suspects.push_back(cell);
    }

    Vec gradient(Vec p) const
    {
        const double dx = 1e-3 * m_h.x;
        const double dy = 1e-3 * m_h.y;
        return {(at({p.x + dx, p.y}) - at({p.x - dx, p.y})) / (2 * dx),
            (at({p.x, p.y + dy}) - at({p.x, p.y - dy})) / (2 * dy)};
    }

    // A cell without a sign change may still hold a point where F touches 0 (x²+y²=0, (x−y)²=0):
    // Newton's steps towards F = 0 must land inside the cell and very close to the curve.
    void findTouchingPoint(long i, long j)
    {
        const Vec low = corner(i, j);
        const double values[5] = {at(low), at(corner(i + 1, j)), at(corner(i, j + 1)), at(corner(i + 1, j + 1)),
            at({low.x + m_h.x / 2, low.y + m_h.y / 2})};
        const auto [smallest, largest] = std::minmax_element(std::begin(values), std::end(values));
        const double nearest = std::min(std::fabs(*smallest), std::fabs(*largest));
        if (std::isnan(*smallest) || std::isnan(*largest) || nearest > *largest - *smallest)
            return;
        Vec p = {low.x + m_h.x / 2, low.y + m_h.y / 2};
        for (int step = 0; step < kNewtonSteps; ++step) {
            const Vec g = gradient(p);
            const double norm = g.x * g.x + g.y * g.y;
            if (!(norm > 0))
                break;
            const double value = at(p);
            p = {p.x - value * g.x / norm, p.y - value * g.y / norm};
        }
        const Vec g = gradient(p);
        const double distance = std::fabs(at(p)) / std::hypot(g.x, g.y);
        const bool inside = p.x >= low.x && p.x < low.x + m_h.x && p.y >= low.y && p.y < low.y + m_h.y;
        if (inside && (at(p) == 0 || distance < 0.02 * std::min(m_h.x, m_h.y)))
            m_touching.push_back({keyOf(i, j), m_graph.add({p.x, p.y})});
    }

    // Points where the gradient vanishes on the curve near a suspect cell: there the arms that
    // reach the block round it are joined straight to the point, so crossings stay crossings.
    void joinCrossings()
    {
        for (const CellKey cell : m_suspects) {
            if (m_patched.contains(cell))
                continue;
            const long i = static_cast<long>(cell >> 32);
            const long j = static_cast<long>(cell & 0xffffffffU);
            const Vec start = corner(i, j);
            const auto point = singularPointNear({start.x + m_h.x / 2, start.y + m_h.y / 2});
            if (point && !nearJoinedCrossing(*point))
                patchAround(*point);
        }
        // Touching points of neighbouring cells form a curve of their own, as (x−y)² = 0 does.
        std::unordered_map<CellKey, int> touchingAt(m_touching.begin(), m_touching.end());
        for (const auto& [cell, touchingVertex] : m_touching) {
            // A structured binding cannot be captured by the lambdas below in every compiler.
            const int vertex = touchingVertex;
            const long i = static_cast<long>(cell >> 32);
            const long j = static_cast<long>(cell & 0xffffffffU);
            const auto touches = [&](long di, long dj) { return touchingAt.contains(keyOf(i + di, j + dj)); };
            const auto join = [&](long di, long dj) { m_graph.connect(vertex, touchingAt.at(keyOf(i + di, j + dj))); };
            // Side neighbours first; a corner neighbour only where no side neighbour links the two
            // already, so a run of cells gives one line rather than a chain of triangles.
            if (touches(1, 0))
                join(1, 0);
            if (touches(0, 1))
                join(0, 1);
            if (touches(1, 1) && !touches(1, 0) && !touches(0, 1))
                join(1, 1);
            if (touches(1, -1) && !touches(1, 0) && !touches(0, -1))
                join(1, -1);
        }
        // A lone touching point right beside a drawn piece is that piece's own tip, not a solution
        // of its own.
        std::unordered_set<CellKey> drawnCells;
        for (const auto& [cell, segment] : m_segments)
            drawnCells.insert(cell);
        for (const auto& [cell, touchingVertex] : m_touching) {
            // A structured binding cannot be captured by the lambdas below in every compiler.
            const int vertex = touchingVertex;
            const long i = static_cast<long>(cell >> 32);
            const long j = static_cast<long>(cell & 0xffffffffU);
            bool besideDrawn = false;
            for (long di = -1; di <= 1; ++di)
                for (long dj = -1; dj <= 1; ++dj)
                    besideDrawn = besideDrawn || drawnCells.contains(keyOf(i + di, j + dj));
            if (m_graph.degree(vertex) == 0 && !besideDrawn)
                m_isolated.push_back(m_graph.point(vertex));
        }
    }

    std::optional<WorldPoint> singularPointNear(Vec start) const
    {
        Vec p = start;
        const double dx = 0.05 * m_h.x;
        const double dy = 0.05 * m_h.y;
        double fxx = 0, fyy = 0, fxy = 0;
        for (int step = 0; step < kNewtonSteps; ++step) {
            const double f0 = at(p);
            fxx = (at({p.x + dx, p.y}) - 2 * f0 + at({p.x - dx, p.y})) / (dx * dx);
            fyy = (at({p.x, p.y + dy}) - 2 * f0 + at({p.x, p.y - dy})) / (dy * dy);
            fxy = (at({p.x + dx, p.y + dy}) - at({p.x + dx, p.y - dy}) - at({p.x - dx, p.y + dy})
                      + at({p.x - dx, p.y - dy}))
                / (4 * dx * dy);
            const double determinant = fxx * fyy - fxy * fxy;
            if (!(std::fabs(determinant) > 0) || !std::isfinite(determinant))
                return std::nullopt;
            const Vec g = gradient(p);
            p = {p.x - (fyy * g.x - fxy * g.y) / determinant, p.y - (fxx * g.y - fxy * g.x) / determinant};
        }
        const double reach = kCrossingReach + 0.5;
        if (!(std::fabs(p.x - start.x) <= reach * m_h.x && std::fabs(p.y - start.y) <= reach * m_h.y))
            return std::nullopt;
        const double curvature = std::fabs(fxx) + std::fabs(fyy) + 2 * std::fabs(fxy);
        const double h = std::max(m_h.x, m_h.y);
        if (!(std::fabs(at(p)) <= 0.1 * curvature * h * h))
            return std::nullopt;
        return WorldPoint{p.x, p.y};
    }

    bool nearJoinedCrossing(WorldPoint point) const
    {
        const double reach = kCrossingReach + 1;
        return std::any_of(m_crossings.begin(), m_crossings.end(), [&](const WorldPoint& other) {
            return std::fabs(other.x - point.x) < reach * m_h.x && std::fabs(other.y - point.y) < reach * m_h.y;
        });
    }

    // Replaces the segments of the cells round `point` by straight arms from the edge crossings on
    // the block's border to the point.
    void patchAround(WorldPoint point)
    {
        const long ci = static_cast<long>(std::floor((point.x - m_origin.x) / m_h.x));
        const long cj = static_cast<long>(std::floor((point.y - m_origin.y) / m_h.y));
        const long first = -kCrossingReach;
        const long last = kCrossingReach;
        for (long di = first; di <= last; ++di)
            for (long dj = first; dj <= last; ++dj)
                m_patched.insert(keyOf(ci + di, cj + dj));
        m_crossings.push_back(point);
        const int centre = m_graph.add(point);
        for (long d = first; d <= last; ++d) {
            const int arms[4] = {edgeVertex(ci + d, cj + first, true), edgeVertex(ci + d, cj + last + 1, true),
                edgeVertex(ci + first, cj + d, false), edgeVertex(ci + last + 1, cj + d, false)};
            for (const int arm : arms)
                if (arm >= 0)
                    m_graph.connect(centre, arm);
        }
    }

    const PlaneFunction& m_f;
    const WorkDeadline& m_deadline;
    Vec m_h{};
    Vec m_origin{};
    std::string m_sizeProblem;
    long m_columns = 0;
    long m_rows = 0;
    int m_levels = 0;
    long m_work = 0;
    std::vector<CellKey> m_leaves;
    std::unordered_map<CellKey, int> m_edges;
    std::vector<std::pair<CellKey, std::pair<int, int>>> m_segments;
    std::vector<CellKey> m_suspects;
    std::unordered_set<CellKey> m_patched;
    std::vector<std::pair<CellKey, int>> m_touching;
    std::vector<WorldPoint> m_isolated;
    std::vector<WorldPoint> m_crossings;
    CurveGraph m_graph;
};

} // namespace

std::variant<TracedCurve, std::string> traceImplicitCurve(
    const PlaneFunction& function, PlotArea area, PixelScale scale, const WorkDeadline& deadline)
{
    return Tracer(function, area, scale, deadline).run();
}

} // namespace curvana
