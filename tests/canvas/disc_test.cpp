// A marked point's filled dot: round, larger than the pen's, growing with the picture as its text does.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "canvas/action_painter.h"
#include "canvas/rasteriser.h"
#include "core/document/board_document.h"

namespace curvana {
namespace {

// Pixels that are mostly red, the smoothed edges of the dot and the glyphs included.
int redInkOf(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            ink += pixel.red() > 150 && pixel.green() < 150 && pixel.blue() < 150;
        }
    return ink;
}

// The named point A at (−5, 5) rendered at `scale` times the picture's design size: the red of its
// dot and of its text, counted apart by where they stand.
struct Rendered {
    int dot = 0;
    int text = 0;
};
Rendered renderedAt(double scale)
{
    Surface surface(QSize(kDesignPictureWidth, kDesignPictureHeight));
    surface.setScale(-10, 10, 10, -10);
    surface.setDrawWidth(2);
    paintAction(surface, NamedPointAction{{"A", "-5", "5"}, "红"});
    const QSize pixels(static_cast<int>(kDesignPictureWidth * scale), static_cast<int>(kDesignPictureHeight * scale));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    Rasteriser(surface, QSizeF(pixels), scale).render(image, {0, 0}, surface.end());
    const int half = pixels.width() / 2;
    // The dot stands at a quarter of the width, its text right of it.
    Rendered rendered;
    rendered.dot = redInkOf(image.copy(0, 0, half / 2 + static_cast<int>(5 * scale), half));
    rendered.text = redInkOf(image.copy(half / 2 + static_cast<int>(5 * scale), 0, half, half));
    return rendered;
}

TEST(Disc, IsAFilledRoundDotThatGrowsWithThePictureAsItsTextDoes)
{
    const Rendered design = renderedAt(1);
    // A disc 8 pixels across: about 50 pixels, far more than a 2-pixel pen dot, fewer than its square.
    EXPECT_GT(design.dot, 40);
    EXPECT_LT(design.dot, 70);
    EXPECT_GT(design.text, 10) << "the text is beside the dot";
    const Rendered projector = renderedAt(2);
    EXPECT_NEAR(projector.dot, 4.0 * design.dot, design.dot);
    EXPECT_GT(projector.text, 2.5 * design.text);
}

} // namespace
} // namespace curvana
