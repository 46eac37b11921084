#include "board/surface_view.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace curvana {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent)
    : QFrame(parent)
    , m_surface(surface)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_reveal.setInterval(15);
    connect(&m_reveal, &QTimer::timeout, this, &SurfaceView::revealStep);
    connect(&m_surface, &Surface::appended, this, &SurfaceView::onAppended);
    connect(&m_surface, &Surface::reset, this, &SurfaceView::restart);
}

void SurfaceView::setAnimated(bool animated)
{
    // What was drawn before the switch counts as shown; only later drawing is revealed.
    if (animated && !m_animated)
        m_limit = m_surface.end();
    const bool changed = animated != m_animated;
    m_animated = animated;
    if (!animated)
        finishReveal();
    if (changed)
        emit animatedChanged(animated);
}

void SurfaceView::finishReveal()
{
    m_reveal.stop();
    m_limit = m_surface.end();
    update();
    emit revealFinished();
}

void SurfaceView::onAppended()
{
    if (!m_animated) {
        update();
        return;
    }
    if (!m_reveal.isActive()) {
        m_revealClock.start();
        m_revealBudget = 0;
        m_reveal.start();
    }
}

void SurfaceView::revealFromLastClear()
{
    const ListPos lastClear = m_surface.renderStartFor(m_surface.end());
    const std::vector<Op>& ops = m_surface.ops();
    if (lastClear.op >= ops.size() || ops[lastClear.op].kind != OpKind::Clear || lastClear < m_limit)
        return;
    m_limit = m_surface.end();
    update();
}

void SurfaceView::revealStep() { advanceReveal(static_cast<double>(m_revealClock.restart())); }

void SurfaceView::advanceReveal(double elapsedMs)
{
    m_revealBudget += boardsPerSecond(m_revealSpeed) * std::max(0.0, elapsedMs) / 1000.0;
    m_limit = advanceAlongPath(m_surface, m_limit, m_revealBudget);
    update();
    if (m_limit == m_surface.end()) {
        m_reveal.stop();
        emit revealFinished();
    }
}

void SurfaceView::setPresentationScale(bool on)
{
    if (on == m_presentation)
        return;
    m_presentation = on;
    allocateImage();
    restart();
}

void SurfaceView::allocateImage()
{
    const QSize logical = contentsRect().size().expandedTo(QSize(1, 1));
    const double ratio = devicePixelRatioF();
    QSizeF picture = logical;
    m_pictureFactor = 1;
    if (m_presentation) {
        // Only the board decides the surface's size; here the designed picture is enlarged.
        const QSizeF design = QSizeF(m_surface.textLayoutSize().expandedTo(QSize(1, 1)));
        m_pictureFactor = std::min(logical.width() / design.width(), logical.height() / design.height());
        picture = design * m_pictureFactor;
    } else {
        emit contentsResized(logical);
    }
    const QPointF corner = QPointF(contentsRect().topLeft())
        + QPointF(logical.width() - picture.width(), logical.height() - picture.height()) / 2;
    m_pictureRect = QRectF(corner, picture);
    m_image = QImage((picture * ratio).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
}

// The world spreads over the picture at its exact (possibly fractional) size, so the texts stand
// at their designed places scaled.
Rasteriser SurfaceView::shownRasteriser() const
{
    const double ratio = m_image.devicePixelRatio();
    if (!m_presentation)
        return Rasteriser(m_surface, m_image.size(), ratio);
    return Rasteriser(m_surface, m_pictureRect.size() * ratio, m_pictureFactor * ratio);
}

void SurfaceView::restart()
{
    if (m_image.isNull())
        allocateImage();
    const ListPos end = m_surface.end();
    if (!m_animated || end < m_limit)
        m_limit = end;
    if (end < m_drawn)
        m_drawn = end;
    // Only what lies after the last clear shows, so re-rendering starts there.
    const ListPos start = m_surface.renderStartFor(m_drawn);
    m_image.fill(toQColor(m_surface.backColor()));
    shownRasteriser().render(m_image, start, m_drawn);
    update();
}

void SurfaceView::catchUp()
{
    if (m_image.isNull())
        restart();
    if (!m_animated)
        m_limit = m_surface.end();
    if (m_drawn < m_limit) {
        // A clear on the way wipes everything before it, so rendering starts there.
        const ListPos from = std::max(m_drawn, m_surface.renderStartFor(m_limit));
        shownRasteriser().render(m_image, from, m_limit);
        m_drawn = m_limit;
    }
}

QImage SurfaceView::shownImage()
{
    catchUp();
    return m_image;
}

QImage SurfaceView::renderImage(QSize pixels, double scale) const
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(toQColor(m_surface.backColor()));
    const ListPos end = m_surface.end();
    Rasteriser(m_surface, pixels, scale).render(image, m_surface.renderStartFor(end), end);
    return image;
}

void SurfaceView::renderVector(QPainter& painter, QRectF target) const
{
    painter.save();
    painter.translate(target.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), target.size()));
    const double scale = target.width() / std::max(1, m_surface.logicalSize().width());
    painter.fillRect(QRectF(QPointF(0, 0), target.size()), toQColor(m_surface.backColor()));
    const ListPos end = m_surface.end();
    Rasteriser(m_surface, target.size(), scale).render(painter, m_surface.renderStartFor(end), end);
    painter.restore();
}

QPointF SurfaceView::worldAt(QPointF widgetPos) const
{
    return currentMap().toWorld(widgetPos - pictureRect().topLeft());
}

QPointF SurfaceView::widgetPointOf(QPointF world) const
{
    return currentMap().toPixel(world.x(), world.y()) + pictureRect().topLeft();
}

WorldMap SurfaceView::currentMap() const
{
    const WorldRect w = m_surface.scale();
    return WorldMap(w.left, w.top, w.right, w.bottom, pictureRect().size());
}

QPointF SurfaceView::pictureShare(QPointF widgetVector) const
{
    const QSizeF size = m_pictureRect.size().expandedTo(QSizeF(1, 1));
    return {widgetVector.x() / size.width(), widgetVector.y() / size.height()};
}

void SurfaceView::setMarkers(std::vector<ViewMarker> markers)
{
    m_markers = std::move(markers);
    update();
}

const ViewMarker* SurfaceView::markerAt(QPointF world) const
{
    if (revealing())
        return nullptr; // no ring shows yet
    const QPointF pointer = widgetPointOf(world);
    const ViewMarker* nearest = nullptr;
    double nearestDistance = kMarkerReach * m_pictureFactor;
    for (const ViewMarker& marker : m_markers) {
        const double distance = QLineF(pointer, widgetPointOf(marker.world)).length();
        if (distance <= nearestDistance) {
            nearest = &marker;
            nearestDistance = distance;
        }
    }
    return nearest;
}

QString SurfaceView::markerLabelsAt(QPointF world) const
{
    const ViewMarker* nearest = markerAt(world);
    if (!nearest)
        return {};
    // Marks less than a pixel apart draw one ring: the pointer reads all of them.
    const QPointF place = widgetPointOf(nearest->world);
    QStringList labels;
    for (const ViewMarker& marker : m_markers)
        if (QLineF(place, widgetPointOf(marker.world)).length() < m_pictureFactor)
            labels << marker.label;
    return labels.join(QStringLiteral("；"));
}

void SurfaceView::paintMarkers(QPainter& painter) const
{
    // While a drawing is still being revealed its rings would float where no curve is yet: they
    // show once the reveal is done (the last step repaints).
    if (m_markers.empty() || revealing())
        return;
    painter.save();
    painter.setClipRect(contentsRect());
    // The rings grow with the picture, as its pens do.
    painter.setPen(QPen(QColor(128, 128, 128), std::max(1.0, m_pictureFactor)));
    painter.setBrush(Qt::NoBrush);
    const double radius = kMarkerRadius * m_pictureFactor;
    for (const ViewMarker& marker : m_markers)
        painter.drawEllipse(widgetPointOf(marker.world), radius, radius);
    painter.restore();
}

void SurfaceView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    catchUp();
    QPainter painter(this);
    if (m_presentation)
        painter.fillRect(contentsRect(), Qt::black);
    painter.drawImage(m_pictureRect.topLeft(), m_image);
    paintMarkers(painter);
}

void SurfaceView::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    allocateImage();
    restart();
}

void SurfaceView::setViewDragging(bool on)
{
    m_viewDragging = on;
    m_dragFrom.reset();
    if (on)
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
}

void SurfaceView::mousePressEvent(QMouseEvent* event)
{
    if (m_viewDragging) {
        m_dragFrom = event->position();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    emit mousePressed(worldAt(event->position()), event->button());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_viewDragging && m_dragFrom && event->buttons() != Qt::NoButton) {
        const QPointF moved = pictureShare(event->position() - *m_dragFrom);
        m_dragFrom = event->position();
        emit viewDragged(moved);
        return;
    }
    // The coordinate field reads every move, also in view dragging.
    emit mouseMoved(worldAt(event->position()), m_viewDragging ? Qt::NoButton : event->buttons());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_viewDragging) {
        m_dragFrom.reset();
        setCursor(Qt::OpenHandCursor);
        return;
    }
    emit mouseReleased(worldAt(event->position()), event->button());
}

void SurfaceView::wheelEvent(QWheelEvent* event)
{
    // One notch is 120 eighths of a degree; a touchpad sends parts of a notch.
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        emit wheelTurned(pictureShare(event->position() - m_pictureRect.topLeft()), notches);
    event->accept();
}

void SurfaceView::leaveEvent(QEvent* event)
{
    QFrame::leaveEvent(event);
    emit pointerLeft();
}

} // namespace curvana
