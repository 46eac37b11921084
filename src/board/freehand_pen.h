#pragma once
// The board's freehand pen: while a mouse button is held on the surface, every move leaves one
// dot in the colour of the pen combo; "擦皮" paints in the background colour and so rubs out.
#include <QObject>
#include <QPointF>
#include <optional>

#include "core/pen_colour.h"

class QComboBox;

namespace curvana {

class SurfaceView;

class FreehandPen : public QObject {
    Q_OBJECT
public:
    // Listens to the mouse of `picture` and reads the colour from `combo`; both outlive the pen.
    FreehandPen(SurfaceView& picture, QComboBox& combo, QObject* parent = nullptr);

    void Picture1_MouseDown(QPointF world, Qt::MouseButton button);
    void Picture1_MouseMove(QPointF world, Qt::MouseButtons buttons);
    void Picture1_MouseUp(QPointF world, Qt::MouseButton button);

    bool drawing() const { return m_drawing; }
    // The colour the next dot takes: the last matched entry, black before any match.
    Rgb colour() const { return m_colour.value_or(kBlack); }

private:
    void updateColour();
    void setDot(QPointF world);

    SurfaceView& m_picture;
    QComboBox& m_combo;
    bool m_drawing = false;
    // The undo step of the stroke in progress opens with its first dot, so a bare click adds none.
    bool m_strokeHasDots = false;
    std::optional<Rgb> m_colour;
};

} // namespace curvana
