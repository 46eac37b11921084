#pragma once
// 轨迹: the places a moving curve has been, drawn over the board in a light tint of its colour,
// with the special points it passed through as a dotted path. Like the special points' rings it
// lies over the view only: never recorded, printed or saved; 清除 wipes it.
#include <QPointF>
#include <QWidget>
#include <deque>
#include <vector>

#include "core/curves/drawing.h"
#include "core/text/pen_colour.h"

namespace curvana {

class SurfaceView;

class TraceOverlay final : public QWidget {
    Q_OBJECT
public:
    // Lies over `view` and follows its size; clicks pass through to it.
    explicit TraceOverlay(SurfaceView& view);

    // The curve as it was before a move, tinted in `colour`.
    void addCurve(const Drawing& drawing, Rgb colour);
    // Special points seen while a curve leaves traces; those that stay put add nothing new.
    void addPoints(const std::vector<QPointF>& points);
    // Whether traces are being left since the last wipe, so the special points join them.
    bool active() const { return !m_curves.empty(); }
    std::size_t curveCount() const { return m_curves.size(); }
    std::size_t pointCount() const { return m_points.size(); }
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Trace {
        std::vector<std::vector<WorldPoint>> lines;
        Rgb colour;
    };
    SurfaceView& m_view;
    std::deque<Trace> m_curves; // oldest first, at most a bounded number
    std::vector<QPointF> m_points;
};

} // namespace curvana
