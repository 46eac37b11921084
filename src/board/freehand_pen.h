#pragma once
// The board's freehand pen: while a mouse button is held on the view, every move leaves one dot
// on the surface in the colour of the pen combo; "擦皮" paints in the background colour and so
// rubs out. A finished stroke is reported as data, so it can be recorded.
#include <QObject>
#include <QPointF>
#include <optional>

#include "core/document/board_action.h"
#include "core/text/pen_colour.h"

class QComboBox;

namespace curvana {

class Surface;
class SurfaceView;

class FreehandPen : public QObject {
    Q_OBJECT
public:
    // Listens to the mouse of `view`, draws on `surface` and reads the colour from `combo`; all
    // three outlive the pen.
    FreehandPen(SurfaceView& view, Surface& surface, QComboBox& combo, QObject* parent = nullptr);

    void press(QPointF world, Qt::MouseButton button);
    void move(QPointF world, Qt::MouseButtons buttons);
    void release(QPointF world, Qt::MouseButton button);

    bool drawing() const { return m_drawing; }
    // The colour the next dot takes: the last matched entry, black before any match.
    Rgb colour() const { return m_colour.value_or(kBlack); }

signals:
    // A stroke with at least one dot ended: its dots in order, one run per colour change.
    void strokeFinished(const curvana::StrokeAction& stroke);

private:
    void updateColour();
    void setDot(QPointF world);
    void endStroke();

    Surface& m_surface;
    QComboBox& m_combo;
    bool m_drawing = false;
    // The stroke in progress becomes an object on the surface with its first dot, so a bare click
    // adds none.
    StrokeAction m_stroke;
    std::optional<Rgb> m_colour;
};

} // namespace curvana
