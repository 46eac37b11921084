// A picture box's view stands where its table row says, above the frame around it, hands its
// size to the surface, and goes before the surface it shows.
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

#include "board/picture_box.h"
#include "board/surface_view.h"
#include "forms/form_table.h"

namespace curvana {
namespace {

const ControlRow kFramedPicture[] = {
    {Ctl::Frame, "Frame1", nullptr, "", 120, 120, 3000, 3000},
    {Ctl::Custom, "Picture1", nullptr, nullptr, 240, 240, 2700, 2400},
};

TEST(PictureBoxes, TheViewStandsAtItsRowAboveTheFrameAndSizesTheSurface)
{
    QWidget window;
    FormTable controls(&window, kFramedPicture);
    PictureBox box(controls, &window);
    SurfaceView* view = box.view();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(&view->surface(), &box.surface());
    EXPECT_EQ(controls.widget(QStringLiteral("Picture1")), view);
    EXPECT_EQ(view->geometry(), twipsRect(240, 240, 2700, 2400));
    // Siblings made later paint over earlier ones: the view must come after the frame.
    EXPECT_GT(window.children().indexOf(view), window.children().indexOf(controls.widget(QStringLiteral("Frame1"))));
    window.show();
    view->resize(150, 90);
    EXPECT_EQ(box.surface().logicalSize(), view->contentsRect().size());
    EXPECT_NE(box.surface().logicalSize(), QSize(1, 1));
}

TEST(PictureBoxes, TheViewGoesWithTheBoxWhileItsSurfaceStillExists)
{
    QWidget window;
    FormTable controls(&window, kFramedPicture);
    auto box = std::make_unique<PictureBox>(controls, &window);
    QPointer<SurfaceView> view = box->view();
    QPointer<Surface> surface = &box->surface();
    bool surfaceAliveAsViewWent = false;
    QObject::connect(view, &QObject::destroyed, [&] { surfaceAliveAsViewWent = !surface.isNull(); });
    box.reset();
    EXPECT_TRUE(view.isNull());
    EXPECT_TRUE(surfaceAliveAsViewWent);
}

} // namespace
} // namespace curvana
