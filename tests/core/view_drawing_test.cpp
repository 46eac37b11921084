// Actions computed for a zoomed or panned view: own formulas sampled again without gaps, plotter
// curves on their own formulas within each family's x range, and the designed view unchanged.
#include <gtest/gtest.h>

#include <cmath>

#include "core/document/board_document.h"

namespace curvana {
namespace {

// The largest step in pixels between neighbouring points of the pieces, for a picture of the
// designed size showing `view`, counting only steps with an end inside the view.
double largestStepInPixels(const Drawing& drawing, const ViewWindow& view)
{
    const double sx = kDesignPictureWidth / view.width(), sy = kDesignPictureHeight / view.height();
    const auto inside = [&](const WorldPoint& p) {
        return p.x >= view.xFrom() && p.x <= view.xTo() && p.y >= view.yFrom() && p.y <= view.yTo();
    };
    double largest = 0;
    for (const Polyline& piece : drawing.polylines)
        for (std::size_t i = 1; i < piece.points.size(); ++i) {
            const WorldPoint& a = piece.points[i - 1];
            const WorldPoint& b = piece.points[i];
            if (inside(a) || inside(b))
                largest = std::max(largest, std::hypot((b.x - a.x) * sx, (b.y - a.y) * sy));
        }
    return largest;
}

TEST(ViewDrawing, AnOwnFormulaAtAThousandfoldZoomHasNoGapsAndKeepsItsCaptionOnThePicture)
{
    const FormulaAction parabola{FormulaKind::Function, "x^2-0.01", "", "-10", "10", "", 0};
    // The zeros of x² − 0.01 at ±0.1, a thousand times closer about the right one.
    const ViewWindow view = ViewWindow().zoomedAbout({0.1, 0}, 1000);
    const auto result = actionDrawing(parabola, view);
    ASSERT_TRUE(std::holds_alternative<Drawing>(result));
    const Drawing& drawing = std::get<Drawing>(result);
    ASSERT_EQ(drawing.polylines.size(), 1u) << "one unbroken piece across the view";
    const auto& points = drawing.polylines[0].points;
    EXPECT_LE(points.front().x, view.xFrom());
    EXPECT_GE(points.back().x, view.xTo());
    EXPECT_LT(largestStepInPixels(drawing, view), 8.0);
    for (const WorldPoint& p : points)
        EXPECT_NEAR(p.y, p.x * p.x - 0.01, 1e-6) << p.x;
    // The caption stands where it stands on the designed board, top left of the picture.
    ASSERT_EQ(drawing.captions.size(), 1u);
    EXPECT_NEAR((drawing.captions[0].at.x - view.xFrom()) / view.width(), 0.2 / 20, 1e-9);
    EXPECT_NEAR((view.yTo() - drawing.captions[0].at.y) / view.height(), 0.2 / 20, 1e-9);
}

// Away from its curve an own formula still shows its caption, in its colour, at its line.
TEST(ViewDrawing, AnOwnFormulaOutOfViewKeepsItsCaption)
{
    const FormulaAction exponential{FormulaKind::Function, "e^x", "", "-10", "10", "红", 1};
    const ViewWindow view = *ViewWindow::make(5, 6, -3, -2);
    const auto result = actionDrawing(exponential, view);
    ASSERT_TRUE(std::holds_alternative<Drawing>(result));
    const Drawing& drawing = std::get<Drawing>(result);
    EXPECT_TRUE(drawing.polylines.empty());
    ASSERT_EQ(drawing.captions.size(), 1u);
    EXPECT_EQ(drawing.captions[0].text, "y=e^x");
    EXPECT_EQ(drawing.captions[0].colour, lookupPenColour("红"));
    EXPECT_EQ(drawing.captions[0].at, designedPlaceIn(view, formulaCaptionPlace(1)));
}

// A plotter curve at panned and zoomed views: its dots lie on the family's formula, within the
// family's own x range and the view's strip, as densely in pixels as on the designed board.
TEST(ViewDrawing, PlotterCurvesAtOtherViewsStayOnTheirFormulaAndFamilyRange)
{
    // The quadratic y = x² + 2x, drawn three units either side of its vertex at x = −1.
    const CurveAction quadratic{CurveWindow::Elementary, 2, {"1", "2", "0"}, "红"};
    const struct {
        const char* name;
        ViewWindow view;
        double xLo, xHi; // where its dots must start and end
    } rows[] = {
        {"panned right", ViewWindow().panned(0.5, 0), -1.0, 2.0},
        {"zoomed in", *ViewWindow::make(0.5, 0.7, 2, 2.2), 0.49, 0.71},
        {"zoomed out", ViewWindow().zoomedAtCentre(0.01), -4.0, 2.0},
    };
    for (const auto& row : rows) {
        const auto result = actionDrawing(quadratic, row.view);
        ASSERT_TRUE(std::holds_alternative<Drawing>(result)) << row.name;
        const std::vector<WorldPoint>& dots = std::get<Drawing>(result).dots;
        ASSERT_GT(dots.size(), 100u) << row.name;
        EXPECT_NEAR(dots.front().x, row.xLo, 0.02 * row.view.width()) << row.name;
        EXPECT_NEAR(dots.back().x, row.xHi, 0.02 * row.view.width()) << row.name;
        double widestStep = 0;
        for (std::size_t i = 0; i < dots.size(); ++i) {
            const double x = dots[i].x;
            EXPECT_NEAR(dots[i].y, x * x + 2 * x, 1e-5 * std::max(1.0, std::fabs(dots[i].y))) << row.name;
            if (i > 0)
                widestStep = std::max(widestStep, (x - dots[i - 1].x) * kDesignPictureWidth / row.view.width());
        }
        EXPECT_LT(widestStep, 0.1) << row.name << ": dots a tenth of a pixel apart at most";
    }
    // The designed view is drawn dot for dot as the window's 确定 draws it.
    EXPECT_EQ(std::get<Drawing>(actionDrawing(quadratic, ViewWindow())).dots,
        std::get<Drawing>(checkedDrawing(quadratic)).dots);
}

} // namespace
} // namespace curvana
