#include "board/freehand_pen.h"

#include <QComboBox>

#include "board/surface_view.h"
#include "canvas/surface.h"

namespace curvana {

FreehandPen::FreehandPen(SurfaceView& view, Surface& surface, QComboBox& combo, QObject* parent)
    : QObject(parent)
    , m_surface(surface)
    , m_combo(combo)
{
    connect(&view, &SurfaceView::mousePressed, this, &FreehandPen::press);
    connect(&view, &SurfaceView::mouseMoved, this, &FreehandPen::move);
    connect(&view, &SurfaceView::mouseReleased, this, &FreehandPen::release);
}

// Which button is pressed does not matter: every button draws.
void FreehandPen::press(QPointF, Qt::MouseButton) { m_drawing = true; }

void FreehandPen::move(QPointF world, Qt::MouseButtons buttons)
{
    updateColour();
    // A move with no button held means the release went elsewhere (a popup took the mouse):
    // the stroke is over rather than drawing on with no button down.
    if (buttons == Qt::NoButton && m_drawing) {
        m_drawing = false;
        endStroke();
    }
    if (m_drawing)
        setDot(world);
}

void FreehandPen::release(QPointF, Qt::MouseButton)
{
    m_drawing = false;
    endStroke();
}

void FreehandPen::updateColour()
{
    if (const auto matched = lookupFreehandColour(m_combo.currentText().toStdString()))
        m_colour = matched;
}

void FreehandPen::setDot(QPointF world)
{
    if (m_stroke.runs.empty())
        m_surface.beginObject(kStrokeInProgress);
    const Rgb dotColour = colour();
    if (m_stroke.runs.empty() || m_stroke.runs.back().colour != dotColour)
        m_stroke.runs.push_back({dotColour, {}});
    // The surface keeps single precision; the stroke records the very float it stored, so a replay
    // or a saved board holds the same dots.
    const StrokePoint dot{static_cast<float>(world.x()), static_cast<float>(world.y())};
    m_stroke.runs.back().points.push_back(dot);
    // The dot takes the surface's pen width; the pen sets none of its own.
    m_surface.drawPoint(dot.x, dot.y, dotColour);
}

void FreehandPen::endStroke()
{
    if (m_stroke.runs.empty())
        return;
    const StrokeAction stroke = std::move(m_stroke);
    m_stroke = {};
    emit strokeFinished(stroke);
}

} // namespace curvana
