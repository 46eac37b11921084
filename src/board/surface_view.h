#pragma once
// A picture box: shows a Surface it is handed, catches up with its list when painted, reveals it
// step by step in animation mode, re-renders it on resize, and forwards mouse events in world
// coordinates. The view only reads the list, from its own position in it, so any number of views
// may follow one surface.
#include <QElapsedTimer>
#include <QFrame>
#include <QImage>
#include <QTimer>

#include "canvas/surface.h"

namespace curvana {

class SurfaceView : public QFrame {
    Q_OBJECT
public:
    // Dots per second that the animated reveal shows.
    static constexpr double kRevealDotsPerSecond = 40000;

    // `surface` outlives the view.
    explicit SurfaceView(Surface& surface, QWidget* parent = nullptr);

    const Surface& surface() const { return m_surface; }

    // Animation mode: drawings are revealed progressively instead of when the handler returns.
    void setAnimated(bool animated);
    bool animated() const { return m_animated; }
    bool revealing() const { return m_reveal.isActive(); }
    // Shows everything still waiting to be revealed at once.
    void finishReveal();
    // Drops what still waits to be revealed before the list's last clear: the user's clear takes
    // effect at once. A show that wipes between its scenes keeps its clears in the reveal instead.
    void revealFromLastClear();

    // What the view shows now, at its own resolution.
    QImage shownImage();
    // The whole list rendered at `pixels` with pens and fonts widened by `scale`.
    QImage renderImage(QSize pixels, double scale) const;
    // The whole list painted as vectors into `target` (a printer, PDF or SVG device).
    void renderVector(QPainter& painter, QRectF target) const;

    // The world point under a position in widget coordinates.
    QPointF worldAt(QPointF widgetPos) const;

signals:
    void mousePressed(QPointF world, Qt::MouseButton button);
    void mouseMoved(QPointF world, Qt::MouseButtons buttons);
    void mouseReleased(QPointF world, Qt::MouseButton button);
    void pointerLeft();
    void revealFinished();
    // The area showing the surface changed to `logical` pixels: the owner of the surface decides
    // whether the surface lays its text out for this view.
    void contentsResized(QSize logical);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void onAppended();
    void restart();
    void catchUp();
    void revealStep();
    void allocateImage();

    Surface& m_surface;
    QImage m_image;
    ListPos m_drawn;  // what m_image holds
    ListPos m_limit;  // how far the list may be shown
    bool m_animated = false;
    QTimer m_reveal;
    QElapsedTimer m_revealClock;
    double m_revealCarry = 0;
};

} // namespace curvana
