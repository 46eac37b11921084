#include "board/picture_box.h"

#include "board/surface_view.h"
#include "forms/form_table.h"

namespace curvana {

PictureBox::PictureBox(FormTable& controls, QWidget* parent)
    : m_view(new SurfaceView(m_surface, parent))
{
    QObject::connect(m_view, &SurfaceView::contentsResized, &m_surface, &Surface::setLogicalSize);
    controls.adopt(QStringLiteral("Picture1"), m_view);
    m_surface.setBackColor(kWhite);
}

// The parent would delete the view only after the surface is gone; it goes first here instead.
PictureBox::~PictureBox() { delete m_view; }

} // namespace curvana
