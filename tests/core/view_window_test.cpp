#include "core/view/view_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <variant>

namespace curvana {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr PixelSize kBoard{417, 433};

ViewWindow view(double xFrom, double xTo, double yFrom, double yTo)
{
    const auto made = ViewWindow::make(xFrom, xTo, yFrom, yTo);
    EXPECT_TRUE(made.has_value()) << xFrom << " " << xTo << " " << yFrom << " " << yTo;
    return made.value_or(ViewWindow());
}

void expectDrawable(const ViewWindow& v, const std::string& what)
{
    EXPECT_TRUE(ViewWindow::isDrawableRange(v.xFrom(), v.xTo())) << what << " x " << v.xFrom() << ".." << v.xTo();
    EXPECT_TRUE(ViewWindow::isDrawableRange(v.yFrom(), v.yTo())) << what << " y " << v.yFrom() << ".." << v.yTo();
}

TEST(ViewWindow, ZoomKeepsThePointUnderThePointer)
{
    const ViewWindow views[]
        = {ViewWindow(), view(-0.001, 0.002, 5, 5.5), view(1e6, 1e6 + 40, -3, 1e4), view(-1e9, 1e9, -2e3, -1e3)};
    const WorldPoint pointers[] = {{0, 0}, {417, 433}, {13.5, 400.25}, {208.5, 216.5}, {-50, 600}};
    const double factors[] = {1.25, 1 / 1.25, 1000, 0.01};
    for (const ViewWindow& before : views) {
        const ViewMapping mapping(before, kBoard);
        for (const WorldPoint pixel : pointers) {
            for (const double factor : factors) {
                const WorldPoint world = mapping.toWorld(pixel);
                const ViewMapping after(mapping.zoomedAtPixel(pixel, factor), kBoard);
                const WorldPoint moved = after.toPixel(world);
                EXPECT_NEAR(moved.x, pixel.x, 1e-4) << before.xFrom() << " factor " << factor;
                EXPECT_NEAR(moved.y, pixel.y, 1e-4) << before.yFrom() << " factor " << factor;
                EXPECT_NEAR(after.view().width() * factor, before.width(),
                    1e-12 * std::max(1.0, factor) * (std::fabs(before.xFrom()) + std::fabs(before.xTo())));
            }
        }
    }
}

TEST(ViewWindow, StaysDrawableAtEveryExtreme)
{
    struct Place {
        WorldPoint point;
        bool inView; // far points may stop the zoom early, as long as the view stays drawable
    };
    const Place places[] = {{{0, 0}, true}, {{-3.7, 2.2}, true}, {{kNan, 1}, true}, {{1e6, -1e6}, false},
        {{1e12, 1e12}, false}, {{5e13, -kInf}, false}};
    for (const Place& place : places) {
        // Far in, far out, in one step and notch by notch.
        for (const double factor : {1e300, 1e-300, 1.25, 1 / 1.25}) {
            ViewWindow v;
            for (int notch = 0; notch < 300; ++notch)
                v = v.zoomedAbout(place.point, factor);
            expectDrawable(v, "factor " + std::to_string(factor));
            if (!place.inView)
                continue;
            if (factor > 1)
                EXPECT_LT(v.width(), 1e-8) << place.point.x;
            else
                EXPECT_GT(v.width(), 1e11) << place.point.x;
        }
    }
    const ViewWindow v = view(-1, 1, -1, 1);
    for (const double factor : {0.0, -2.0, kNan, kInf})
        EXPECT_EQ(v.zoomedAbout({0, 0}, factor), v) << factor;
    // An arrow key moves by a tenth of the view; Ctrl+= keeps the centre.
    const ViewWindow moved = ViewWindow().panned(0.1, -0.1).zoomedAtCentre(1.25).panned(-0.5, 2);
    EXPECT_DOUBLE_EQ(moved.centre().x, 2 - 0.5 * 16);
    EXPECT_DOUBLE_EQ(moved.centre().y, -2 + 2 * 16);
    ViewWindow far = view(-5e11, 5e11, 0, 1);
    for (int step = 0; step < 100; ++step)
        far = far.panned(3, -1e9);
    expectDrawable(far, "panned");
    EXPECT_EQ(far.xTo(), ViewWindow::kLargestCoordinate);
    EXPECT_EQ(far.panned(kNan, kInf), far);
}

TEST(ViewWindow, EqualUnitsWidenTheFinerAxis)
{
    struct Row {
        ViewWindow before;
        PixelSize pixels;
    };
    const Row rows[] = {{ViewWindow(), kBoard}, {view(0, 100, -1, 1), {800, 600}},
        {view(-1e-3, 1e-3, 0, 1e5), {100, 900}}, {view(-4e11, 4e11, -1, 1), {100, 2000}}};
    for (const Row& row : rows) {
        const ViewWindow after = row.before.withEqualUnits(row.pixels);
        expectDrawable(after, "equal units");
        EXPECT_NEAR(after.width() / row.pixels.width, after.height() / row.pixels.height,
            1e-12 * after.width() / row.pixels.width);
        const bool widened = after.width() >= row.before.width() && after.height() >= row.before.height();
        const bool narrowed = after.width() <= row.before.width() && after.height() <= row.before.height();
        EXPECT_TRUE(widened || narrowed);
        // Only the last row is too wide to widen.
        EXPECT_EQ(widened, row.before.width() < 1e11) << row.before.xFrom();
    }
    EXPECT_EQ(ViewWindow().withEqualUnits({0, kNan}), ViewWindow());
}

TEST(ViewWindow, ReadsTheDialogBoxes)
{
    struct Row {
        FieldTexts texts;
        int field; // -1: accepted
        std::string message;
    };
    const Row rows[] = {
        {{"-1", "3", "0.5", "１e3"}, -1, ""},
        {{"-1", "", "0", "1"}, 1, "请在“x 到”框里填写一个数。"},
        {{"-1", "1", "0", "1e400"}, 3, "请在“y 到”框里填写一个小一些的数。"},
        {{"2e12", "3e12", "0", "1"}, 0, "请在“x 从”框里填写一个绝对值不超过 1000000000000 的数。"},
        {{"0", "1", "5", "5"}, 3, "请在“y 到”框里填写一个比“y 从”框里的数大的数。"},
        {{"3", "-3", "0", "1"}, 1, "请在“x 到”框里填写一个比“x 从”框里的数大的数。"},
        {{"-9e11", "9e11", "0", "1"}, 1, "请在“x 到”框里填写一个离“x 从”框里的数近一些的数。"},
        {{"0", "1", "1e6", "1000000.0000001"}, 3, "请在“y 到”框里填写一个离“y 从”框里的数远一些的数。"},
        {{"x", "y"}, 0, "请在“x 从”框里填写一个数。"},
    };
    for (const Row& row : rows) {
        const auto read = readViewWindow(row.texts);
        if (row.field < 0) {
            ASSERT_TRUE(std::holds_alternative<ViewWindow>(read)) << std::get<InputProblem>(read).message;
            const ViewWindow& v = std::get<ViewWindow>(read);
            EXPECT_EQ(v, view(-1, 3, 0.5, 1000));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<InputProblem>(read)) << row.message;
        EXPECT_EQ(std::get<InputProblem>(read).field, row.field) << row.message;
        EXPECT_EQ(std::get<InputProblem>(read).message, row.message);
    }
}

TEST(ViewMapping, CornersAndBackAgain)
{
    const ViewWindow v = view(-2, 6, 100, 101);
    const ViewMapping mapping(v, {800, 50});
    EXPECT_EQ(mapping.toPixel({-2, 101}), (WorldPoint{0, 0}));
    EXPECT_EQ(mapping.toPixel({6, 100}), (WorldPoint{800, 50}));
    EXPECT_EQ(mapping.toWorld({400, 25}), (WorldPoint{2, 100.5}));
    EXPECT_EQ(mapping.pixelsPerXUnit(), 100);
    EXPECT_EQ(mapping.pixelsPerYUnit(), 50);
    const ViewMapping degenerate(v, {kNan, -3});
    EXPECT_EQ(degenerate.toPixel({6, 100}), (WorldPoint{1, 1}));
}

} // namespace
} // namespace curvana
