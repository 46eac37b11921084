#pragma once
// A small field under the board that shows the world coordinates under the pointer, or the label
// of the special point whose ring the pointer is on.
#include <QLabel>

namespace curvana {

class SurfaceView;

class CoordinateReadout : public QLabel {
    Q_OBJECT
public:
    CoordinateReadout(SurfaceView& picture, QWidget* parent);

    // "x = 1.25  y = −3.50": two decimals and a true minus sign.
    static QString textFor(QPointF world);

private:
    void showPoint(QPointF world);

    SurfaceView& m_picture;
};

} // namespace curvana
