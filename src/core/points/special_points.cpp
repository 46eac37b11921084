// Gathering the special points of a board: the searches, then one point per place and kind,
// only those on the board, nearest to the origin first, each with its label.
#include "core/points/special_points.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "core/curves/curves.h"
#include "core/curves/elementary.h"
#include "core/points/exact_form.h"
#include "core/curves/sampling.h"
#include "core/curves/plot_points.h"
#include "core/document/board_document.h"
#include "core/points/special_points_search.h"

namespace curvana {

namespace {

using points::FoundPoint;

// Two points closer than this in both coordinates are at the same place (on the designed board;
// a view scales it with its width and height).
constexpr double kSamePlace = 1e-8;
// The elementary plotter's dots lie one sampling step apart; wider gaps are breaks in the curve
// (the tangent's asymptotes leave 0.002).
constexpr double kElementaryDotGap = 3 * kSampleStep;

// The distances that make two points one place, and two rings too close, in the view.
struct Closeness {
    explicit Closeness(const ViewWindow& view)
        : sameX(kSamePlace * points::widthShare(view))
        , sameY(kSamePlace * points::heightShare(view))
        , xShare(points::widthShare(view))
        , yShare(points::heightShare(view))
    {
    }
    bool samePlace(const FoundPoint& a, const FoundPoint& b) const
    {
        return std::fabs(a.x - b.x) <= sameX && std::fabs(a.y - b.y) <= sameY;
    }
    // Measured in units of the designed board, so a ring's width is the same on the picture.
    bool tooClose(double ax, double ay, double bx, double by) const
    {
        return std::hypot((ax - bx) / xShare, (ay - by) / yShare) < kRingSpacing;
    }
    double sameX;
    double sameY;
    double xShare;
    double yShare;
};

// All kinds found at one place, whoever found them.
struct Place {
    FoundPoint first;
    std::vector<PointKind> kinds;
    bool typedDecimals = false;
};

// The order a label names the kinds of one place in: "零点、与y轴交点", "顶点、极小值点".
int namingRank(PointKind kind)
{
    constexpr PointKind order[]
        = {PointKind::Zero, PointKind::YIntercept, PointKind::Vertex, PointKind::Maximum, PointKind::Minimum,
            PointKind::Intersection, PointKind::Centre, PointKind::CircleCentre, PointKind::Focus, PointKind::Corner};
    return static_cast<int>(std::find(std::begin(order), std::end(order), kind) - std::begin(order));
}

// Sorted by x, the points of one place lie among the places just before it.
std::vector<Place> placesOf(std::vector<FoundPoint> found, const Closeness& close)
{
    std::sort(found.begin(), found.end(), [](const FoundPoint& a, const FoundPoint& b) { return a.x < b.x; });
    std::vector<Place> places;
    for (const FoundPoint& p : found) {
        auto it = places.rbegin();
        while (it != places.rend() && p.x - it->first.x <= close.sameX && !close.samePlace(it->first, p))
            ++it;
        if (it == places.rend() || p.x - it->first.x > close.sameX) {
            places.push_back({p, {p.kind}, p.typedDecimals});
            continue;
        }
        if (std::find(it->kinds.begin(), it->kinds.end(), p.kind) == it->kinds.end())
            it->kinds.push_back(p.kind);
        it->first.owner = std::min(it->first.owner, p.owner);
        if (it->first.exactText.empty())
            it->first.exactText = p.exactText;
        it->typedDecimals = it->typedDecimals || p.typedDecimals;
    }
    for (Place& place : places)
        std::sort(place.kinds.begin(), place.kinds.end(),
            [](PointKind a, PointKind b) { return namingRank(a) < namingRank(b); });
    return places;
}

bool nearerToOrigin(const Place& one, const Place& other)
{
    const FoundPoint& a = one.first;
    const FoundPoint& b = other.first;
    const double da = a.x * a.x + a.y * a.y;
    const double db = b.x * b.x + b.y * b.y;
    if (da != db)
        return da < db;
    return a.x != b.x ? a.x < b.x : a.y < b.y;
}

// The kept rings by cells a ring's width wide on the picture, so that a new ring is checked against
// the few in the cells around it rather than every ring on a crowded board.
class RingCells {
public:
    explicit RingCells(const ViewWindow& view)
        : m_view(view)
        , m_close(view)
    {
    }
    bool crowds(double x, double y, const std::vector<SpecialPoint>& kept) const
    {
        const int cx = cell(x);
        const int cy = row(y);
        for (int i = std::max(cx - 1, 0); i <= std::min(cx + 1, kCells - 1); ++i)
            for (int j = std::max(cy - 1, 0); j <= std::min(cy + 1, kCells - 1); ++j)
                for (std::size_t index : m_cells[static_cast<std::size_t>(i * kCells + j)])
                    if (m_close.tooClose(kept[index].x, kept[index].y, x, y))
                        return true;
        return false;
    }
    void add(double x, double y, std::size_t index)
    {
        m_cells[static_cast<std::size_t>(cell(x) * kCells + row(y))].push_back(index);
    }

private:
    static constexpr int kCells = static_cast<int>((points::kBoardMax - points::kBoardMin) / kRingSpacing) + 1;
    static int cellOf(double offset, double share)
    {
        return std::clamp(static_cast<int>(offset / (kRingSpacing * share)), 0, kCells - 1);
    }
    int cell(double x) const { return cellOf(x - m_view.xFrom(), m_close.xShare); }
    int row(double y) const { return cellOf(y - m_view.yFrom(), m_close.yShare); }
    ViewWindow m_view;
    Closeness m_close;
    std::vector<std::vector<std::size_t>> m_cells = std::vector<std::vector<std::size_t>>(kCells * kCells);
};

std::string coordinateText(double value, bool typedDecimals, bool& irrational)
{
    if (const auto exact = exactForm(value, typedDecimals)) {
        irrational = irrational || isIrrationalForm(*exact);
        return *exact;
    }
    return "≈" + decimalForm(value);
}

} // namespace

std::string kindName(PointKind kind)
{
    switch (kind) {
    case PointKind::Zero:
        return "零点";
    case PointKind::YIntercept:
        return "与y轴交点";
    case PointKind::Maximum:
        return "极大值点";
    case PointKind::Minimum:
        return "极小值点";
    case PointKind::Intersection:
        return "交点";
    case PointKind::Centre:
        return "中心";
    case PointKind::Vertex:
        return "顶点";
    case PointKind::Focus:
        return "焦点";
    case PointKind::CircleCentre:
        return "圆心";
    case PointKind::Corner:
        return "可行域顶点";
    }
    return {};
}

std::string pointLabel(const std::vector<PointKind>& kinds, double x, double y, bool typedDecimals)
{
    std::string label;
    for (PointKind kind : kinds)
        label += (label.empty() ? "" : "、") + kindName(kind);
    bool irrational = false;
    label += " (" + coordinateText(x, typedDecimals, irrational) + ", " + coordinateText(y, typedDecimals, irrational)
        + ")";
    if (irrational)
        label += " ≈ (" + decimalForm(x) + ", " + decimalForm(y) + ")";
    return label;
}

std::string pointLabel(PointKind kind, double x, double y) { return pointLabel(std::vector<PointKind>{kind}, x, y); }

// "焦点 (√7, 0) ≈ (2.646, 0)": the kinds, then the coordinates the curve knows exactly.
std::string exactLabel(const std::vector<PointKind>& kinds, const FoundPoint& p)
{
    std::string label;
    for (PointKind kind : kinds)
        label += (label.empty() ? "" : "、") + kindName(kind);
    label += " " + p.exactText;
    if (p.exactText.find("√") != std::string::npos)
        label += " ≈ (" + decimalForm(p.x) + ", " + decimalForm(p.y) + ")";
    return label;
}

BoardPoints boardPoints(const std::vector<FunctionCurve>& functions, const std::vector<ConicCurve>& conics,
    const std::vector<std::vector<ExactCurvePoint>>& exact, const ViewWindow& view)
{
    std::vector<FoundPoint> found;
    points::addFunctionPoints(functions, found, view);
    for (std::size_t i = 0; i < conics.size(); ++i)
        points::addConicPoints(conics[i], functions.size() + i, found, view);
    for (std::size_t i = 0; i < exact.size(); ++i)
        for (const ExactCurvePoint& p : exact[i])
            found.push_back({p.kind, p.x, p.y, functions.size() + conics.size() + i, false, p.text});
    // A crossing found by number alone is labelled as a function's points are.
    std::erase_if(found, [&view](const FoundPoint& p) { return !points::insideView(view, p.x, p.y); });
    std::vector<Place> places = placesOf(std::move(found), Closeness(view));
    std::sort(places.begin(), places.end(), nearerToOrigin);
    BoardPoints result;
    std::vector<std::size_t> perCurve(functions.size() + conics.size() + exact.size());
    RingCells rings(view);
    for (const Place& place : places) {
        const FoundPoint& p = place.first;
        if (rings.crowds(p.x, p.y, result.points) || perCurve[p.owner] >= kMaxPointsPerCurve) {
            ++result.omitted;
            continue;
        }
        ++perCurve[p.owner];
        rings.add(p.x, p.y, result.points.size());
        const std::string label
            = p.exactText.empty() ? pointLabel(place.kinds, p.x, p.y, place.typedDecimals) : exactLabel(place.kinds, p);
        result.points.push_back({place.kinds.front(), p.x, p.y, label, place.kinds});
    }
    return result;
}

std::vector<SpecialPoint> specialPoints(
    const std::vector<FunctionCurve>& functions, const std::vector<ConicCurve>& conics)
{
    return boardPoints(functions, conics).points;
}

std::vector<Interval> drawnIntervals(const std::vector<WorldPoint>& dots, double maxGap)
{
    // Runs of neighbouring dots first, then the runs that overlap or nearly touch joined.
    std::vector<Interval> runs;
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const double x = dots[i].x;
        if (i > 0 && std::fabs(x - dots[i - 1].x) <= maxGap) {
            runs.back().lo = std::min(runs.back().lo, x);
            runs.back().hi = std::max(runs.back().hi, x);
        } else {
            runs.push_back({x, x});
        }
    }
    std::sort(runs.begin(), runs.end(), [](const Interval& a, const Interval& b) { return a.lo < b.lo; });
    std::vector<Interval> joined;
    for (const Interval& run : runs) {
        if (!joined.empty() && run.lo <= joined.back().hi + maxGap)
            joined.back().hi = std::max(joined.back().hi, run.hi);
        else
            joined.push_back(run);
    }
    for (Interval& stretch : joined) {
        stretch.lo -= maxGap / 2;
        stretch.hi += maxGap / 2;
    }
    return joined;
}

bool writtenWithDecimals(const std::string& text)
{
    return text.find('.') != std::string::npos || text.find("。") != std::string::npos;
}

bool writtenWithDecimals(const FieldTexts& texts)
{
    return std::any_of(texts.begin(), texts.end(), [](const std::string& text) { return writtenWithDecimals(text); });
}

std::vector<Interval> drawnIntervals(const Drawing& drawing, double maxGap)
{
    std::vector<Interval> stretches = drawnIntervals(drawing.dots, maxGap);
    for (const Polyline& piece : drawing.polylines) {
        if (piece.points.empty())
            continue;
        const auto [left, right] = std::minmax_element(piece.points.begin(), piece.points.end(),
            [](const WorldPoint& a, const WorldPoint& b) { return a.x < b.x; });
        stretches.push_back({left->x, right->x});
    }
    return stretches;
}

std::optional<FunctionCurve> elementaryFunctionCurve(
    CurveFamily family, const FieldTexts& texts, const ViewWindow& view)
{
    const std::optional<ElementaryParams> params = elementaryParams(family, texts);
    if (!params)
        return std::nullopt;
    const PlotFrameScope frame(plotFrameOf(view));
    const DrawingResult result = elementaryCurve(family, texts);
    const auto* drawing = std::get_if<Drawing>(&result);
    if (!drawing)
        return std::nullopt;
    // The plotter samples a view as densely on the picture as the designed board.
    return FunctionCurve{[family, p = *params](double x) { return elementaryY(family, p, x); },
        drawnIntervals(*drawing, kElementaryDotGap * points::widthShare(view)), writtenWithDecimals(texts)};
}

} // namespace curvana
