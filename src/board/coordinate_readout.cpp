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
