// Polylines on the surface: whole at any size of the picture, dashed when asked, revealed point
// by point, undone with their action, and never joined across a point without a value.
#include <QImage>
#include <gtest/gtest.h>

#include "canvas/rasteriser.h"
#include "canvas/surface.h"
#include "core/formula/formula.h"
#include "support/pixels.h"

namespace curvana {
namespace {

using testing::countColour;
using testing::pixelAt;

const QSize kDesign(417, 433);
const QColor kQRed(255, 0, 0);

QImage render(const Surface& surface, QSize pixels, double scale, ListPos to)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    Rasteriser(surface, QSizeF(pixels), scale).render(image, {0, 0}, to);
    return image;
}

QImage render(const Surface& surface, QSize pixels, double scale = 1)
{
    return render(surface, pixels, scale, surface.end());
}

// Columns of `image` with no red pixel in it.
int emptyColumns(const QImage& image)
{
    int empty = 0;
    for (int x = 0; x < image.width(); ++x)
        empty += countColour(image, QRect(x, 0, 1, image.height()), kQRed) == 0;
    return empty;
}

Drawing formula(const FormulaInput& input)
{
    auto result = formulaDrawing(input, SamplingView{}, {1, 9});
    if (const auto* error = std::get_if<FormulaError>(&result))
        ADD_FAILURE() << error->message;
    return std::holds_alternative<Drawing>(result) ? std::get<Drawing>(result) : Drawing{};
}

struct PictureCase {
    const char* name;
    QSize pixels;
    double scale;
};

// y = 5 sampled once for the designed board covers every column of any picture of it.
TEST(Polylines, AHorizontalFormulaCoversEveryColumnAtAnySize)
{
    Surface surface(kDesign);
    surface.draw(formula({FormulaKind::Function, "5", "", "-10", "10"}), kRed);
    const PictureCase rows[] = {
        {"design", kDesign, 1},
        {"widened board", QSize(1270, 433), 1},
        {"4x export", kDesign * 4, 4},
        {"full screen", QSize(1043, 1083), 2.5},
    };
    for (const PictureCase& row : rows) {
        const QImage image = render(surface, row.pixels, row.scale);
        EXPECT_EQ(emptyColumns(image), 0) << row.name;
        const QPoint on = pixelAt(surface, row.pixels, 0, 5);
        EXPECT_GT(countColour(image, QRect(0, on.y() - 3, row.pixels.width(), 7), kQRed), row.pixels.width() - 1)
            << row.name;
    }
}

TEST(Polylines, DashedLinesLeaveGapsSolidOnesDoNot)
{
    for (const LineStyle style : {LineStyle::Solid, LineStyle::Dashed}) {
        Surface surface(kDesign);
        surface.drawPolyline({{-9, 0}, {-3, 0}, {3, 0}, {9, 0}}, kRed, style);
        const QImage image = render(surface, kDesign * 2, 2);
        const int row = pixelAt(surface, kDesign * 2, 0, 0).y();
        const int from = pixelAt(surface, kDesign * 2, -8, 0).x(), to = pixelAt(surface, kDesign * 2, 8, 0).x();
        const int red = (to - from) - emptyColumns(image.copy(QRect(from, row - 3, to - from, 7)));
        if (style == LineStyle::Solid)
            EXPECT_EQ(red, to - from);
        else // 6 on, 4 off: the gaps are there and the dashes run on across the points
            EXPECT_NEAR(red, 0.6 * (to - from), 0.05 * (to - from));
    }
}

TEST(Polylines, APointWithoutValueBreaksTheLineAndFarEndsAreCut)
{
    Surface surface(kDesign);
    surface.drawPolyline({{-5, -5}, {-1, -1}, {NAN, 0}, {1, -1}, {1e30f, -1}}, kRed);
    ASSERT_EQ(surface.ops().size(), 2u);
    EXPECT_EQ(surface.ops()[0].count, 2u);
    EXPECT_EQ(surface.ops()[1].count, 2u);
    const QImage image = render(surface, kDesign);
    EXPECT_EQ(countColour(image, QRect(pixelAt(surface, kDesign, 0, 0) - QPoint(3, 3), QSize(7, 7)), kQRed), 0)
        << "nothing joins (-1, -1) and (1, -1) through the point without a value";
    EXPECT_GT(countColour(image, QRect(pixelAt(surface, kDesign, 9.5, -1) - QPoint(1, 1), QSize(3, 3)), kQRed), 0)
        << "the line towards 1e30 is drawn to the edge";
}

TEST(Polylines, RevealGrowsPointByPointAndUndoRemovesTheWhole)
{
    Surface surface(kDesign);
    surface.beginObject({1, 1});
    surface.drawPolyline({{-8, 2}, {0, 2}, {8, 2}}, kRed);
    EXPECT_EQ(surface.unitsBetween({0, 0}, surface.end()), 3u);
    const ListPos two = surface.advance({0, 0}, 2);
    EXPECT_EQ(two, (ListPos{0, 2}));
    EXPECT_DOUBLE_EQ(surface.polylineLength(0, 0, 2), 8.0);
    EXPECT_DOUBLE_EQ(surface.polylineLength(0, 0, 3), 16.0);
    // Shown up to its second point, then the rest on top: the same picture as all at once.
    QImage image = render(surface, kDesign, 1, two);
    const QPoint right = pixelAt(surface, kDesign, 4, 2), left = pixelAt(surface, kDesign, -4, 2);
    EXPECT_EQ(image.pixelColor(left), kQRed);
    EXPECT_NE(image.pixelColor(right), kQRed);
    Rasteriser(surface, QSizeF(kDesign), 1).render(image, two, surface.end());
    EXPECT_EQ(image, render(surface, kDesign));
    surface.removeObjectsFrom(0);
    EXPECT_TRUE(surface.ops().empty());
    EXPECT_TRUE(surface.points().empty());
}

} // namespace
} // namespace curvana
