#pragma once
// Maps world coordinates onto device pixels; the y axis is flipped here and nowhere else.
#include <QPointF>
#include <QSizeF>

namespace curvana {

class WorldMap {
public:
    // The world rectangle as set by Scale (left, top)-(right, bottom) spread over `pixels`.
    WorldMap(double left, double top, double right, double bottom, QSizeF pixels)
        : m_left(left)
        , m_top(top)
        , m_xScale(pixels.width() / (right - left))
        , m_yScale(pixels.height() / (bottom - top))
    {
    }

    QPointF toPixel(double x, double y) const { return {(x - m_left) * m_xScale, (y - m_top) * m_yScale}; }
    QPointF toWorld(QPointF pixel) const { return {m_left + pixel.x() / m_xScale, m_top + pixel.y() / m_yScale}; }
    // Pixels per world unit along each axis, always positive.
    double pixelsPerXUnit() const { return m_xScale < 0 ? -m_xScale : m_xScale; }
    double pixelsPerYUnit() const { return m_yScale < 0 ? -m_yScale : m_yScale; }

private:
    double m_left;
    double m_top;
    double m_xScale;
    double m_yScale;
};

} // namespace curvana
