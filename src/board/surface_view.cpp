#include "board/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "canvas/rasteriser.h"

namespace curvana {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QFrame(parent), m_surface(surface)
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
    m_animated = animated;
    if (!animated)
        finishReveal();
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
        m_revealCarry = 0;
        m_reveal.start();
    }
}

void SurfaceView::revealFromLastClear()
{
    const ListPos lastClear = m_surface.renderStartFor(m_surface.end());
    const std::vector<Op>& ops = m_surface.ops();
    if (lastClear.op >= ops.size() || ops[lastClear.op].kind != OpKind::Clear || lastClear < m_limit)
        return;
    m_limit = {lastClear.op + 1, 0};
    update();
}

void SurfaceView::revealStep()
{
    const double units = kRevealDotsPerSecond * m_revealClock.restart() / 1000.0 + m_revealCarry;
    const auto whole = static_cast<std::uint64_t>(units);
    m_revealCarry = units - static_cast<double>(whole);
    m_limit = m_surface.advance(m_limit, whole);
    update();
    if (m_limit == m_surface.end()) {
        m_reveal.stop();
        emit revealFinished();
    }
}

void SurfaceView::allocateImage()
{
    const QSize logical = contentsRect().size().expandedTo(QSize(1, 1));
    const double ratio = devicePixelRatioF();
    emit contentsResized(logical);
    m_image = QImage((QSizeF(logical) * ratio).toSize(), QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
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
    Rasteriser(m_surface, m_image.size(), m_image.devicePixelRatio()).render(m_image, start, m_drawn);
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
        Rasteriser(m_surface, m_image.size(), m_image.devicePixelRatio()).render(m_image, from, m_limit);
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
    const WorldRect w = m_surface.scale();
    const QPointF inner = widgetPos - contentsRect().topLeft();
    return WorldMap(w.left, w.top, w.right, w.bottom, contentsRect().size()).toWorld(inner);
}

void SurfaceView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    catchUp();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_image);
}

void SurfaceView::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    allocateImage();
    restart();
}

void SurfaceView::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(worldAt(event->position()), event->button());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(worldAt(event->position()), event->buttons());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(worldAt(event->position()), event->button());
}

void SurfaceView::leaveEvent(QEvent* event)
{
    QFrame::leaveEvent(event);
    emit pointerLeft();
}

} // namespace curvana
