#pragma once
// A window's picture box: the surface it draws on and the view that shows it, made and torn down
// together so the view never outlives the surface it reads.
#include <QWidget>

#include "canvas/surface.h"

namespace curvana {

class FormTable;
class SurfaceView;

class PictureBox {
public:
    // Makes the view as a child of `parent` and places it at the table's "Picture1" row; the
    // surface follows the view's size and starts white. Made after the table's own controls, so
    // the view stands above the frames that surround it.
    PictureBox(FormTable& controls, QWidget* parent);
    ~PictureBox();
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    Surface& surface() { return m_surface; }
    SurfaceView* view() const { return m_view; }

private:
    Surface m_surface{QSize(1, 1)};
    SurfaceView* m_view = nullptr;
};

} // namespace curvana
