#include "core/equations/inequality_region.h"

#include <gtest/gtest.h>

namespace curvana {
namespace {

const PixelScale kScale;

InequalityRegion regionOf(const std::string& text)
{
    auto parsed = parseInequalities(text, "“不等式”框");
    auto result = inequalityRegion(
        std::get<std::vector<Relation>>(parsed), PlotArea{}, kScale, WorkDeadline(std::chrono::seconds(5)));
    if (const auto* message = std::get_if<std::string>(&result)) {
        ADD_FAILURE() << *message;
        return {};
    }
    return std::get<InequalityRegion>(std::move(result));
}

bool shaded(const InequalityRegion& region, double x, double y)
{
    for (const RegionSpan& span : region.spans)
        if (std::fabs(span.y - y) <= region.rowHeight / 2 && span.left <= x && x <= span.right)
            return true;
    return false;
}

TEST(InequalityRegion, ShadesWhereAllHoldAndDashesStrictBoundaries)
{
    const auto linear = regionOf("x+y≤4，x−y≥−2，y≥0");
    const std::vector<std::pair<WorldPoint, bool>> samples = {{{0, 1}, true}, {{1, 2.8}, true}, {{3.5, 0.2}, true},
        {{-1.8, 0.1}, true}, {{0, -1}, false}, {{3, 3}, false}, {{-3, 0.5}, false}, {{8, 8}, false}};
    for (const auto& [p, inside] : samples)
        EXPECT_EQ(shaded(linear, p.x, p.y), inside) << p.x << ", " << p.y;
    EXPECT_EQ(linear.polygon.size(), 3u);
    for (const Polyline& boundary : linear.boundaries)
        EXPECT_EQ(boundary.style, LineStyle::Solid);

    const auto parabola = regionOf("y > x²");
    EXPECT_TRUE(shaded(parabola, 0, 1));
    EXPECT_TRUE(shaded(parabola, 2, 4.5));
    EXPECT_FALSE(shaded(parabola, 2, 3.5));
    EXPECT_FALSE(shaded(parabola, 0, -0.5));
    EXPECT_TRUE(parabola.polygon.empty());
    ASSERT_FALSE(parabola.boundaries.empty());
    for (const Polyline& boundary : parabola.boundaries)
        EXPECT_EQ(boundary.style, LineStyle::Dashed);
}

} // namespace
} // namespace curvana
