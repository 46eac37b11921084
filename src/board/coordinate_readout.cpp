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

QString CoordinateReadout::textFor(QPointF world)
{
    return QStringLiteral("x = %1  y = %2").arg(number(world.x()), number(world.y()));
}

void CoordinateReadout::showPoint(QPointF world)
{
    const QString marked = m_picture.markerLabelsAt(world);
    if (!marked.isEmpty())
        setText(marked);
    else if (m_omitted == 0)
        setText(textFor(world));
    else
        setText(textFor(world) + QStringLiteral("  ") + omittedText(m_omitted));
}

} // namespace curvana
