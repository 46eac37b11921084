// The axes drawn for a view with the board's own font: at every view the numbers stand inside the
// picture without touching each other, and the designed view draws the designed board exactly.
#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

#include "canvas/action_painter.h"
#include "canvas/axes.h"
#include "canvas/qt_colour.h"
#include "canvas/rasteriser.h"
#include "canvas/surface_font.h"
#include "core/document/board_document.h"

namespace curvana {
namespace {

const QSize kPicture(kDesignPictureWidth, kDesignPictureHeight);

QImage rendered(const Surface& surface)
{
    QImage image(kPicture, QImage::Format_RGB32);
    image.fill(toQColor(surface.backColor()));
    Rasteriser(surface, QSizeF(kPicture), 1).render(image, surface.renderStartFor(surface.end()), surface.end());
    return image;
}

TEST(ViewAxes, NumbersNeverTouchAndStayOnThePictureAtManyViews)
{
    const QFontMetricsF font(surfaceFont(1.0));
    const ViewWindow views[] = {
        ViewWindow().zoomedAtCentre(1.25),
        ViewWindow().zoomedAtCentre(1000),
        ViewWindow().zoomedAtCentre(0.001),
        ViewWindow().panned(3, 0), // the y axis off to the left: kept at the edge
        ViewWindow().panned(0, -4.5),
        *ViewWindow::make(29.9, 30.1, 39.95, 40.05),
        *ViewWindow::make(-1e11, 1e11, -0.5, 0.5),
        *ViewWindow::make(-123.456, 789.01, 1e-3, 2e-3),
    };
    for (const ViewWindow& view : views) {
        Surface surface(kPicture);
        surface.setTextLayoutSize(kPicture);
        drawAxes(surface, AxesStyle::Board, view);
        const WorldRect world = surface.scale();
        const WorldMap map(world.left, world.top, world.right, world.bottom, QSizeF(kPicture));
        std::vector<QRectF> boxes;
        for (const TextOp& text : surface.texts()) {
            const QPointF at = map.toPixel(text.at.x, text.at.y);
            boxes.emplace_back(at, QSizeF(font.horizontalAdvance(text.text), font.height()));
        }
        ASSERT_GE(boxes.size(), 4u) << view.xFrom() << " " << view.yFrom() << ": some numbers show";
        const QRectF picture(QPointF(-0.5, -0.5), QSizeF(kPicture) + QSizeF(1, 1));
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(picture.contains(boxes[i])) << surface.texts()[i].text.toStdString() << " at " << view.xFrom();
            for (std::size_t k = i + 1; k < boxes.size(); ++k)
                EXPECT_FALSE(boxes[i].adjusted(1, 1, -1, -1).intersects(boxes[k].adjusted(1, 1, -1, -1)))
                    << surface.texts()[i].text.toStdString() << " and " << surface.texts()[k].text.toStdString()
                    << " at view x " << view.xFrom() << ".." << view.xTo();
        }
    }
}

// A board drawn again for the designed view is the board as it was drawn action by action.
TEST(ViewAxes, TheDesignedViewDrawnAgainIsTheBoardAsDrawn)
{
    BoardDocument document;
    document.add(CurveAction{CurveWindow::Elementary, 4, {"3", "1", "0"}, "蓝"});
    document.add(FormulaAction{FormulaKind::Function, "e^x", "", "-10", "10", "红", 0});
    document.add(FigureAction{FigureKind::Ellipse, {"1", "1", "4", "2"}, "黑"});
    Surface asDrawn(kPicture);
    asDrawn.setTextLayoutSize(kPicture);
    drawAxes(asDrawn, AxesStyle::Board);
    followDocument(asDrawn, document);
    Surface again(kPicture);
    again.setTextLayoutSize(kPicture);
    drawDocumentAt(again, document, ViewWindow().zoomedAtCentre(3).panned(0.4, 0.1));
    EXPECT_NE(rendered(again), rendered(asDrawn));
    drawDocumentAt(again, document, ViewWindow());
    EXPECT_EQ(rendered(again), rendered(asDrawn));
    EXPECT_EQ(again.dotCount(), asDrawn.dotCount());
}

// A figure moves with the world: at a panned and zoomed view the segment (2, 3)-(8, 6) is drawn
// where the view's own mapping puts its points, and nowhere near where the designed board had it.
TEST(ViewAxes, AFigureAtAPannedViewLiesWhereItsFormulaPutsIt)
{
    BoardDocument document;
    document.add(FigureAction{FigureKind::Line, {"2", "3", "8", "6"}, "黑"});
    Surface surface(kPicture);
    surface.setTextLayoutSize(kPicture);
    const ViewWindow view = *ViewWindow::make(1, 11, 0, 10);
    drawDocumentAt(surface, document, view);
    const QImage image = rendered(surface);
    const ViewMapping mapping(view, {double(kPicture.width()), double(kPicture.height())});
    const auto blackNear = [&](WorldPoint world) {
        const WorldPoint pixel = mapping.toPixel(world);
        int found = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint at(static_cast<int>(pixel.x) + dx, static_cast<int>(pixel.y) + dy);
                found += image.rect().contains(at) && image.pixel(at) == qRgb(0, 0, 0);
            }
        return found > 0;
    };
    for (const double t : {0.0, 0.25, 0.5, 0.75, 1.0})
        EXPECT_TRUE(blackNear({2 + 6 * t, 3 + 3 * t})) << t;
    // Off the segment, as far from it as a few pixels, nothing black.
    EXPECT_FALSE(blackNear({5, 6}));
    EXPECT_FALSE(blackNear({5, 3.5}));
}

} // namespace
} // namespace curvana
