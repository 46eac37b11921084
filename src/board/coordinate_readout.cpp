#include "board/coordinate_readout.h"

#include "board/surface_view.h"

namespace curvana {
namespace {

QString number(double value)
{
    const QString text = QString::number(std::abs(value), 'f', 2);
    return value < 0 && text != QLatin1String("0.00") ? QStringLiteral("\u2212") + text : text;
}

} // namespace

CoordinateReadout::CoordinateReadout(SurfaceView& picture, QWidget* parent) : QLabel(parent), m_picture(picture)
{
    setObjectName(QStringLiteral("coordinateReadout"));
    connect(&picture, &SurfaceView::mouseMoved, this, &CoordinateReadout::showPoint);
    connect(&picture, &SurfaceView::pointerLeft, this, &QLabel::clear);
    m_noticeEnd.setSingleShot(true);
    m_noticeEnd.setInterval(kNoticeMilliseconds);
    connect(&m_noticeEnd, &QTimer::timeout, this, [this] {
        // A pointer move may already have put coordinates in its place.
        if (text() == m_notice)
            clear();
    });
}

void CoordinateReadout::showNotice(const QString& notice)
{
    m_notice = notice;
    setText(notice);
    m_noticeEnd.start();
}

QString CoordinateReadout::textFor(QPointF world)
{
    return QStringLiteral("x = %1  y = %2").arg(number(world.x()), number(world.y()));
}

void CoordinateReadout::showPoint(QPointF world)
{
    const QString marked = m_picture.markerLabelsAt(world);
    setText(marked.isEmpty() ? textFor(world) : marked);
}

} // namespace curvana
