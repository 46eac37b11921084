#include "board/freehand_pen.h"

#include <QComboBox>

#include "board/surface_view.h"

namespace curvana {

FreehandPen::FreehandPen(SurfaceView& picture, QComboBox& combo, QObject* parent)
    : QObject(parent), m_picture(picture), m_combo(combo)
{
    connect(&picture, &SurfaceView::mousePressed, this, &FreehandPen::Picture1_MouseDown);
    connect(&picture, &SurfaceView::mouseMoved, this, &FreehandPen::Picture1_MouseMove);
    connect(&picture, &SurfaceView::mouseReleased, this, &FreehandPen::Picture1_MouseUp);
}

// Which button is pressed does not matter: every button draws.
void FreehandPen::Picture1_MouseDown(QPointF, Qt::MouseButton)
{
    if (!m_drawing)
        m_strokeHasDots = false;
    m_drawing = true;
}

void FreehandPen::Picture1_MouseMove(QPointF world, Qt::MouseButtons buttons)
{
    updateColour();
    // A move with no button held means the release went elsewhere (a popup took the mouse):
    // the stroke is over rather than drawing on with no button down.
    if (buttons == Qt::NoButton)
        m_drawing = false;
    if (m_drawing)
        setDot(world);
}

void FreehandPen::Picture1_MouseUp(QPointF, Qt::MouseButton) { m_drawing = false; }

void FreehandPen::updateColour()
{
    if (const auto matched = lookupFreehandColour(m_combo.currentText().toStdString()))
        m_colour = matched;
}

void FreehandPen::setDot(QPointF world)
{
    Surface& surface = m_picture.surface();
    if (!m_strokeHasDots)
        surface.beginAction();
    m_strokeHasDots = true;
    // The dot takes the surface's pen width; the pen sets none of its own.
    surface.pset(static_cast<float>(world.x()), static_cast<float>(world.y()), colour());
}

} // namespace curvana
