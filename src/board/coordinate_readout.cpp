#include "board/coordinate_readout.h"

#include <algorithm>
#include <cmath>

#include "board/surface_view.h"

namespace curvana {
namespace {

QString number(double value, int decimals)
{
    const QString text = QString::number(std::abs(value), 'f', decimals);
    return value < 0 && text != QString::number(0.0, 'f', decimals) ? QStringLiteral("\u2212") + text : text;
}

// Enough decimals to tell the pixels apart, two at least (the designed board's).
int decimalsFor(double unitsPerPixel)
{
    if (!(unitsPerPixel > 0) || !std::isfinite(unitsPerPixel))
        return 2;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(unitsPerPixel))), 2, 12);
}

} // namespace

CoordinateReadout::CoordinateReadout(SurfaceView& picture, QWidget* parent)
    : QLabel(parent)
    , m_picture(picture)
{
    setObjectName(QStringLiteral("coordinateReadout"));
    connect(&picture, &SurfaceView::mouseMoved, this, &CoordinateReadout::showPoint);
    connect(&picture, &SurfaceView::pointerLeft, this, &CoordinateReadout::showResting);
    m_noticeEnd.setSingleShot(true);
    m_noticeEnd.setInterval(kNoticeMilliseconds);
    connect(&m_noticeEnd, &QTimer::timeout, this, [this] {
        // A pointer move may already have put coordinates in its place.
        if (text() == m_notice)
            showResting();
    });
}

void CoordinateReadout::showNotice(const QString& notice)
{
    m_notice = notice;
    setText(notice);
    m_noticeEnd.start();
}

void CoordinateReadout::setOmitted(std::size_t count)
{
    const QString before = omittedText(m_omitted);
    m_omitted = count;
    if (text().isEmpty() || text() == before)
        showResting();
}

QString CoordinateReadout::omittedText(std::size_t count)
{
    return count == 0 ? QString() : QStringLiteral("已省略 %1 个点").arg(count);
}

// With the pointer off the board: the omission, or nothing.
void CoordinateReadout::showResting() { setText(omittedText(m_omitted)); }

QString CoordinateReadout::textFor(QPointF world) { return textFor(world, {1, 1}); }

QString CoordinateReadout::textFor(QPointF world, QPointF unitsPerPixel)
{
    const int xDecimals = decimalsFor(unitsPerPixel.x()), yDecimals = decimalsFor(unitsPerPixel.y());
    return QStringLiteral("x = %1  y = %2").arg(number(world.x(), xDecimals), number(world.y(), yDecimals));
}

void CoordinateReadout::showPoint(QPointF world)
{
    const QString marked = m_picture.markerLabelsAt(world);
    // The view decides how fine a pixel is: a board zoomed in reads more decimals.
    const QPointF step = m_picture.worldAt(QPointF(1, 1)) - m_picture.worldAt(QPointF(0, 0));
    const QString coordinates = textFor(world, {std::abs(step.x()), std::abs(step.y())});
    if (!marked.isEmpty())
        setText(marked);
    else if (m_omitted == 0)
        setText(coordinates);
    else
        setText(coordinates + QStringLiteral("  ") + omittedText(m_omitted));
}

} // namespace curvana
