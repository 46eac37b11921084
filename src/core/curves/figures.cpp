// The eight basic-figure dialogs: every value typed is a single-precision number, and each
// figure is made of the surface's own dots, segments and circles.
#include <cfloat>
#include <cmath>
#include <string_view>

#include "core/curves/curves.h"
#include "core/text/field_reader.h"
#include "core/curves/plot_points.h"

namespace curvana {

namespace {

// The figure dialogs' own pi, to seven decimals: it turns the angles typed in degrees into the
// radians handed to the surface in single precision, where these digits are all that count. Kept
// as it is so that sector and arc ends fall on the same pixels as always.
constexpr double kFigurePi = 3.1415926;
// The sector starts just below angle 0 so the surface also draws the radius along the x axis.
constexpr double kSectorStart = -0.00001;

constexpr std::string_view kPointPlaces[] = {"在点的横坐标框里", "在点的纵坐标框里"};
constexpr std::string_view kLinePlaces[]
    = {"在始点的横坐标框里", "在始点的纵坐标框里", "在终点的横坐标框里", "在终点的纵坐标框里"};
constexpr std::string_view kRectanglePlaces[]
    = {"在第一个顶点的横坐标框里", "在第一个顶点的纵坐标框里", "在对角顶点的横坐标框里", "在对角顶点的纵坐标框里"};
constexpr std::string_view kEllipsePlaces[]
    = {"在中心的横坐标框里", "在中心的纵坐标框里", "在X轴方向的半轴长度框里", "在Y轴方向的半轴长度框里"};
constexpr std::string_view kSectorPlaces[]
    = {"在圆心的横坐标框里", "在圆心的纵坐标框里", "在半径框里", "在圆心角度数框里"};
constexpr std::string_view kArcPlaces[]
    = {"在圆心的横坐标框里", "在圆心的纵坐标框里", "在半径框里", "在起始度数框里", "在终止度数框里"};
constexpr std::string_view kTrianglePlaces[] = {"在第一个点的横坐标框里", "在第一个点的纵坐标框里",
    "在第二个点的横坐标框里", "在第二个点的纵坐标框里", "在第三个点的横坐标框里", "在第三个点的纵坐标框里"};
constexpr std::string_view kParallelogramPlaces[] = {"在第一个点的横坐标框里", "在第一个点的纵坐标框里",
    "在第二个点的横坐标框里", "在第二个点的纵坐标框里", "在第四个点的横坐标框里", "在第四个点的纵坐标框里"};

FieldPlaces placesOf(FigureKind kind)
{
    switch (kind) {
    case FigureKind::Point:
        return kPointPlaces;
    case FigureKind::Line:
        return kLinePlaces;
    case FigureKind::Rectangle:
        return kRectanglePlaces;
    case FigureKind::Ellipse:
        return kEllipsePlaces;
    case FigureKind::Sector:
        return kSectorPlaces;
    case FigureKind::Arc:
        return kArcPlaces;
    case FigureKind::Triangle:
        return kTrianglePlaces;
    case FigureKind::Parallelogram:
        return kParallelogramPlaces;
    }
    return {};
}

// Every box of the dialog, read in order as single-precision values.
struct Values {
    double v[6] = {};
    WorldPoint point(int first) const { return {v[first], v[first + 1]}; }
};

// The surface takes angles within one turn either way. A typed angle beyond that loses its
// whole turns but keeps its sign, and with it the radius a negative angle draws; a whole
// number of turns other than 0 stays one full turn.
double withinOneTurn(double degrees)
{
    if (std::fabs(degrees) <= 360)
        return degrees;
    const double rest = std::fmod(degrees, 360.0);
    return rest == 0 ? std::copysign(360.0, degrees) : rest;
}

double degreesToRadians(double degrees) { return narrowToSingle(degrees * kFigurePi / 180); }

InputProblem radiusNotPositive(const char* figure)
{
    return InputProblem{2, std::string(figure) + "的半径必须大于0，请在半径框里填写一个正数。"};
}

DrawingResult ellipse(const Values& in)
{
    const double a = std::fabs(in.v[2]); // a negative half-axis is taken for its length
    const double b = std::fabs(in.v[3]);
    if (a == 0 || b == 0)
        return InputProblem{a == 0 ? 2 : 3, "椭圆的半轴长度不能为0，请填写一个不为0的数。"};
    // Half-axes of wildly different sizes would overflow the single-precision aspect.
    const double aspect = narrowToSingle(std::fmin(b / a, FLT_MAX));
    Drawing drawing;
    drawing.circles.push_back(CircleSpec{in.point(0), a >= b ? a : b, {}, {}, aspect});
    return drawing;
}

// A sector of (nearly) no angle would put its end just before its start, and the surface
// would then draw almost the whole circle; such a sector is drawn as its single radius along
// the positive x axis instead.
DrawingResult sector(const Values& in)
{
    const double r = in.v[2];
    if (!(r > 0))
        return radiusNotPositive("扇形");
    const double theta = withinOneTurn(in.v[3]);
    const WorldPoint centre = in.point(0);
    Drawing drawing;
    if (std::fabs(theta * kFigurePi / 180) <= -kSectorStart) {
        drawing.segments.push_back({centre, {narrowToSingle(centre.x + r), centre.y}});
        return drawing;
    }
    drawing.circles.push_back(CircleSpec{centre, r, narrowToSingle(kSectorStart), degreesToRadians(-theta), 1.0});
    return drawing;
}

DrawingResult arc(const Values& in)
{
    const double r = in.v[2];
    if (!(r > 0))
        return radiusNotPositive("弧");
    const double start = degreesToRadians(withinOneTurn(in.v[3]));
    double end = degreesToRadians(withinOneTurn(in.v[4]));
    // Ends at the same angle (360 to 0, 720 to 0, -360 to 0 degrees) make the whole circle. The
    // radians of 360 degrees miss a full turn by the rounding of this pi, so the surface would
    // draw a speck; handing it two equal angles (each keeping the sign that asks for its radius)
    // closes the circle, while any other sweep, however small, stays that arc.
    if (std::fmod(in.v[3] - in.v[4], 360.0) == 0)
        end = std::copysign(std::fabs(start), end);
    Drawing drawing;
    drawing.circles.push_back(CircleSpec{in.point(0), r, start, end, {}});
    return drawing;
}

void addClosedChain(Drawing& drawing, std::initializer_list<WorldPoint> corners)
{
    const WorldPoint* previous = nullptr;
    for (const WorldPoint& corner : corners) {
        if (previous)
            drawing.segments.push_back({*previous, corner});
        previous = &corner;
    }
    drawing.segments.push_back({*previous, *corners.begin()});
}

// The third vertex lies opposite the first: P3 = (P2 + P4) - P1, held in single precision.
DrawingResult parallelogram(const Values& in)
{
    const WorldPoint p1 = in.point(0), p2 = in.point(2), p4 = in.point(4);
    const WorldPoint p3{narrowToSingle((p2.x + p4.x) - p1.x), narrowToSingle((p2.y + p4.y) - p1.y)};
    if (!std::isfinite(p3.x) || !std::isfinite(p3.y))
        return InputProblem{std::isfinite(p3.x) ? 5 : 4, "算出的第三个顶点太远了，请填写小一些的坐标。"};
    Drawing drawing;
    addClosedChain(drawing, {p1, p2, p3, p4});
    return drawing;
}

DrawingResult drawFigure(FigureKind kind, const Values& in)
{
    Drawing drawing;
    switch (kind) {
    case FigureKind::Point:
        drawing.dots.push_back(in.point(0));
        break;
    case FigureKind::Line:
        drawing.segments.push_back({in.point(0), in.point(2)});
        break;
    case FigureKind::Rectangle:
        drawing.segments.push_back({in.point(0), in.point(2), true});
        break;
    case FigureKind::Triangle:
        addClosedChain(drawing, {in.point(0), in.point(2), in.point(4)});
        break;
    case FigureKind::Ellipse:
        return ellipse(in);
    case FigureKind::Sector:
        return sector(in);
    case FigureKind::Arc:
        return arc(in);
    case FigureKind::Parallelogram:
        return parallelogram(in);
    }
    return drawing;
}

} // namespace

DrawingResult figureDrawing(FigureKind kind, const FieldTexts& texts)
{
    const FieldPlaces places = placesOf(kind);
    FieldReader reader(texts, places);
    Values values;
    for (std::size_t i = 0; i < places.size(); ++i)
        values.v[i] = reader.single(static_cast<int>(i));
    if (!reader.ok())
        return reader.problem();
    return drawFigure(kind, values);
}

} // namespace curvana
