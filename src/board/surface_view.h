#pragma once
// A picture box: shows a Surface it is handed, catches up with its list when painted, reveals it
// step by step in animation mode, re-renders it on resize, and forwards mouse events in world
// coordinates. The view only reads the list, from its own position in it, so any number of views
// may follow one surface.
#include <QElapsedTimer>
#include <QFrame>
#include <QImage>
#include <QTimer>
#include <optional>
#include <vector>

#include "board/reveal_pace.h"
#include "canvas/rasteriser.h"
#include "canvas/surface.h"
#include "canvas/world_map.h"

namespace curvana {

// A mark the view draws over the drawing, outside the display list: shown on screen only, never
// printed, exported or saved.
struct ViewMarker {
    QPointF world;
    QString label;
};

class SurfaceView : public QFrame {
    Q_OBJECT
public:
    // `surface` outlives the view.
    explicit SurfaceView(Surface& surface, QWidget* parent = nullptr);

    const Surface& surface() const { return m_surface; }

    // Animation mode: drawings are revealed progressively instead of when the handler returns.
    void setAnimated(bool animated);
    bool animated() const { return m_animated; }
    bool revealing() const { return m_reveal.isActive(); }
    // Shows everything still waiting to be revealed at once.
    void finishReveal();
    // The reveal's pace, by the length of path shown; a change applies from the next step, also in
    // the middle of a reveal.
    void setRevealSpeed(RevealSpeed speed) { m_revealSpeed = speed; }
    RevealSpeed revealSpeed() const { return m_revealSpeed; }
    // How far the list is shown now.
    ListPos revealedTo() const { return m_limit; }
    // One step of the reveal after `elapsedMs` milliseconds; the reveal's timer calls it.
    void advanceReveal(double elapsedMs);

    // Presentation scale: the picture at the surface's designed size enlarged by one factor, the
    // largest that fits, and centred; dots, pens and fonts grow by the same factor. The surface's
    // own size stays what it was.
    void setPresentationScale(bool on);
    bool presentationScale() const { return m_presentation; }
    // Where the picture stands in widget coordinates and the factor it is enlarged by (the
    // contents rectangle and 1 outside presentation scale), as of the last resize.
    QRectF pictureRect() const { return m_pictureRect; }
    double pictureFactor() const { return m_pictureFactor; }
    // Drops what still waits to be revealed before the list's last clear and shows the clear with
    // what follows it (the fresh axes): the user's clear takes effect at once, and the next drawing
    // does not wait on the axes being drawn out. A show that wipes between its scenes keeps its
    // clears in the reveal instead.
    void revealFromLastClear();

    // What the view shows now, at its own resolution.
    QImage shownImage();
    // The whole list rendered at `pixels` with pens and fonts widened by `scale`.
    QImage renderImage(QSize pixels, double scale) const;
    // The whole list painted as vectors into `target` (a printer, PDF or SVG device).
    void renderVector(QPainter& painter, QRectF target) const;

    // The world point under a position in widget coordinates, and back.
    QPointF worldAt(QPointF widgetPos) const;
    QPointF widgetPointOf(QPointF world) const;

    // Marks drawn as small grey rings over the drawing; an empty list removes them. The radius and
    // the reach are for the picture at its designed size and grow with it (pictureFactor).
    static constexpr double kMarkerRadius = 4;
    static constexpr double kMarkerReach = 5; // how near the pointer must be to read a mark
    void setMarkers(std::vector<ViewMarker> markers);
    const std::vector<ViewMarker>& markers() const { return m_markers; }
    // The labels of the mark nearest to `world` within the reach and of the marks at
    // the same place, joined by "；"; empty when no mark is that near.
    QString markerLabelsAt(QPointF world) const;
    // The mark nearest to `world` within the reach; null when none is that near or the rings do
    // not show yet.
    const ViewMarker* markerAt(QPointF world) const;

    // While on, a drag with any button moves the view (viewDragged) instead of drawing, and the
    // pointer is a hand.
    void setViewDragging(bool on);
    bool viewDragging() const { return m_viewDragging; }

signals:
    // The wheel turned by `notches` (positive away from the user) over `pictureShare`, a point of
    // the picture as shares of its width and height from its top-left corner.
    void wheelTurned(QPointF pictureShare, double notches);
    // In view dragging: the pointer moved with a button held by `pictureShare` of the picture's
    // width and height (positive to the right and down).
    void viewDragged(QPointF pictureShare);
    void mousePressed(QPointF world, Qt::MouseButton button);
    void mouseMoved(QPointF world, Qt::MouseButtons buttons);
    void mouseReleased(QPointF world, Qt::MouseButton button);
    void pointerLeft();
    void revealFinished();
    // setAnimated changed the display mode.
    void animatedChanged(bool animated);
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
    void wheelEvent(QWheelEvent* event) override;

private:
    void onAppended();
    void restart();
    void catchUp();
    void revealStep();
    void allocateImage();
    Rasteriser shownRasteriser() const;
    void paintMarkers(QPainter& painter) const;
    WorldMap currentMap() const;
    QPointF pictureShare(QPointF widgetVector) const;

    Surface& m_surface;
    QImage m_image;
    ListPos m_drawn; // what m_image holds
    ListPos m_limit; // how far the list may be shown
    bool m_animated = false;
    QTimer m_reveal;
    QElapsedTimer m_revealClock;
    double m_revealBudget = 0; // path length paid for but not yet shown, negative when in debt
    RevealSpeed m_revealSpeed = RevealSpeed::Medium;
    bool m_presentation = false;
    QRectF m_pictureRect;
    double m_pictureFactor = 1;
    std::vector<ViewMarker> m_markers;
    bool m_viewDragging = false;
    std::optional<QPointF> m_dragFrom; // where the held pointer last was, in view dragging
};

} // namespace curvana
