// Own formulas as connected pieces: wide parameter ranges are followed wherever the curve is on
// the board, what cannot be drawn truly or in time is said, never drawn as a dot.
#include "core/formula/formula.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace curvana {
namespace {

const PixelScale kScale;

// The lines of a drawing in buckets of a quarter unit, so a dense reference is checked quickly.
class LineIndex {
public:
    explicit LineIndex(const Drawing& drawing)
    {
        for (const Polyline& piece : drawing.polylines)
            for (std::size_t i = 0; i < piece.points.size(); ++i) {
                const WorldPoint a = piece.points[i], b = piece.points[i == 0 ? 0 : i - 1];
                for (long cx = cell(std::fmin(a.x, b.x)); cx <= cell(std::fmax(a.x, b.x)); ++cx)
                    for (long cy = cell(std::fmin(a.y, b.y)); cy <= cell(std::fmax(a.y, b.y)); ++cy)
                        m_cells[{cx, cy}].push_back({a, b});
            }
    }

    // Pixels from p to the nearest line (a lone point counts as a line of no length).
    double pixelsTo(const WorldPoint& p) const
    {
        double best = INFINITY;
        for (long cx = cell(p.x) - 1; cx <= cell(p.x) + 1; ++cx)
            for (long cy = cell(p.y) - 1; cy <= cell(p.y) + 1; ++cy) {
                const auto found = m_cells.find({cx, cy});
                if (found != m_cells.end())
                    for (const auto& [a, b] : found->second)
                        best = std::fmin(best, pixelsToLine(p, a, b));
            }
        return best;
    }

private:
    static long cell(double v) { return static_cast<long>(std::floor(v * 4)); }
    static double pixelsToLine(const WorldPoint& p, const WorldPoint& a, const WorldPoint& b)
    {
        const double bx = (b.x - a.x) * kScale.perUnitX, by = (b.y - a.y) * kScale.perUnitY;
        const double px = (p.x - a.x) * kScale.perUnitX, py = (p.y - a.y) * kScale.perUnitY;
        const double length2 = bx * bx + by * by;
        const double t = length2 > 0 ? std::clamp((px * bx + py * by) / length2, 0.0, 1.0) : 0.0;
        return std::hypot(px - t * bx, py - t * by);
    }
    std::map<std::pair<long, long>, std::vector<std::pair<WorldPoint, WorldPoint>>> m_cells;
};

struct WideRangeCase {
    FormulaInput input;
    std::function<WorldPoint(double)> meant;
    double from, to; // the stretch of the parameter that holds everything on the board
};

// A reference many times denser than any drawing: every point of it on the board lies on a line
// of the pieces, so no stretch is lost however wide the parameter's range.
TEST(FormulaPieces, WideRangesCoverEveryVisiblePointOfADenseReference)
{
    const WideRangeCase rows[] = {
        {{FormulaKind::Parametric, "t", "t²", "-1000", "1000"},
            [](double t) {
                return WorldPoint{t, t * t};
            },
            -4, 4},
        {{FormulaKind::Polar, "θ", "", "0", "10^4"},
            [](double t) {
                return WorldPoint{t * std::cos(t), t * std::sin(t)};
            },
            0, 16},
        {{FormulaKind::Function, "y = 5", "", "-10", "10"},
            [](double x) {
                return WorldPoint{x, 5};
            },
            -10, 10},
    };
    for (const WideRangeCase& row : rows) {
        const auto result = formulaDrawing(row.input, SamplingView{}, {1, 9});
        ASSERT_TRUE(std::holds_alternative<Drawing>(result))
            << row.input.first << ": " << std::get<FormulaError>(result).message;
        const LineIndex lines(std::get<Drawing>(result));
        int visible = 0;
        const int steps = 200000;
        for (int i = 0; i <= steps; ++i) {
            const WorldPoint p = row.meant(row.from + (row.to - row.from) * i / steps);
            if (std::fabs(p.x) > 10 || std::fabs(p.y) > 10)
                continue;
            ++visible;
            const double off = lines.pixelsTo(p);
            ASSERT_LT(off, 0.3) << row.input.first << " at (" << p.x << ", " << p.y << ")";
        }
        EXPECT_GT(visible, steps / 20) << row.input.first;
    }
}

TEST(FormulaPieces, AHorizontalLineIsOnePieceAcrossTheWholeBoard)
{
    const Drawing line = std::get<Drawing>(formulaDrawing({FormulaKind::Function, "5", "", "-10", "10"}, {}, {1, 9}));
    ASSERT_EQ(line.polylines.size(), 1u);
    EXPECT_LE(line.polylines[0].points.front().x, -10);
    EXPECT_GE(line.polylines[0].points.back().x, 10);
}

// Where consecutive parameter values already lie far apart on the board the curve cannot be
// followed: the range box is named, no dot is drawn and called a success.
TEST(FormulaPieces, ARangeTooWideToFollowIsNamed)
{
    for (const char* to : {"10^300", "10^100"}) {
        const auto result = formulaDrawing({FormulaKind::Polar, "θ", "", "0", to}, {}, {1, 9});
        ASSERT_TRUE(std::holds_alternative<FormulaError>(result)) << to;
        const FormulaError& error = std::get<FormulaError>(result);
        EXPECT_EQ(error.box, FormulaBox::To) << to;
        EXPECT_NE(error.message.find("范围太大"), std::string::npos) << error.message;
    }
}

TEST(FormulaPieces, AFormulaThatComputesTooLongIsStoppedWithAMessage)
{
    // A wave far finer than a pixel everywhere, so the sampling would spend its whole budget, of
    // odd roots of negative numbers (each tries every odd denominator), as long as a formula may be.
    std::string typed = "3sin(997x)+1+((sin(997x)-2)^(1/99)";
    for (int k = 1; typed.size() < 960; ++k)
        typed += "+(sin(997x+" + std::to_string(k) + ")-2)^(1/99)";
    typed += ")/44";
    const auto compiled = compileFunction(typed);
    ASSERT_TRUE(std::holds_alternative<CompiledFunction>(compiled));
    const CompiledFunction& f = std::get<CompiledFunction>(compiled);
    using Clock = std::chrono::steady_clock;
    const auto probe = Clock::now();
    double sink = 0;
    for (int i = 0; i < 2000; ++i)
        sink += f(i * 1e-3);
    const std::chrono::duration<double> perPoint = (Clock::now() - probe) / 2000;
    ASSERT_TRUE(std::isfinite(sink));
    ASSERT_GT(perPoint.count() * kFormulaMaxEvaluations, 1.5) << "the formula must be slow for this test";

    const auto start = Clock::now();
    const auto result = formulaDrawing({FormulaKind::Function, typed, "", "-10", "10"}, {}, {1, 9});
    const std::chrono::duration<double> took = Clock::now() - start;
    ASSERT_TRUE(std::holds_alternative<FormulaError>(result));
    EXPECT_EQ(std::get<FormulaError>(result).box, FormulaBox::First) << std::get<FormulaError>(result).message;
    EXPECT_NE(std::get<FormulaError>(result).message.find("0.3秒"), std::string::npos);
    // Well before the whole budget would be spent; the margin over 0.3 s leaves room for a busy machine.
    EXPECT_LT(took.count(), 1.0);
}

// A later view of its own: the same curve sampled for a rectangle far from the designed board.
TEST(FormulaPieces, AnotherViewIsCoveredAtItsOwnScale)
{
    const SamplingView view{100, 101, 10000, 10201, {417, 417.0 / 201}};
    const auto result = formulaDrawing({FormulaKind::Function, "x²", "", "99", "102"}, view, {1, 9});
    ASSERT_TRUE(std::holds_alternative<Drawing>(result)) << std::get<FormulaError>(result).message;
    const Drawing& drawing = std::get<Drawing>(result);
    ASSERT_EQ(drawing.polylines.size(), 1u);
    for (const WorldPoint& p : drawing.polylines[0].points) {
        EXPECT_GE(p.x, 100 - 0.05 - 1e-4);
        EXPECT_LE(p.x, 101 + 0.05 + 1e-4);
    }
}

} // namespace
} // namespace curvana
