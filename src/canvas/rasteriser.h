#pragma once
// Renders a stretch of a surface's display list onto an image (dots written straight into the
// raster) or onto any painter (printers, PDF and SVG files).
#include <QImage>
#include <QPainter>

#include "canvas/qt_colour.h"
#include "canvas/surface.h"
#include "canvas/world_map.h"

namespace curvana {

class Rasteriser {
public:
    // `devicePixels` is the size the surface's world rectangle spreads over; `scale` is device
    // pixels per logical pixel and widens pens, dots and fonts alike.
    Rasteriser(const Surface& surface, QSizeF devicePixels, double scale);

    // Draws [from, to) onto `image`, whose size is devicePixels.
    void render(QImage& image, ListPos from, ListPos to) const;
    // Draws [from, to) with `painter`, dots as little squares.
    void render(QPainter& painter, ListPos from, ListPos to) const;

    const WorldMap& map() const { return m_map; }

private:
    void drawDots(QImage& image, const Op& op, std::uint32_t from, std::uint32_t to) const;
    void drawDots(QPainter& painter, const Op& op, std::uint32_t from, std::uint32_t to) const;
    void drawEntry(QPainter& painter, const Op& op, std::uint32_t from, std::uint32_t to) const;
    void drawPolyline(QPainter& painter, const Op& op, std::uint32_t from, std::uint32_t to) const;
    QRectF marginBox() const;
    void drawShape(QPainter& painter, const Op& op) const;
    void drawLine(QPainter& painter, QPointF a, QPointF b) const;
    void drawCircle(QPainter& painter, const CircleOp& circle) const;
    void fillPolygons(QPainter& painter, const Op& op) const;
    void drawDisc(QPainter& painter, const Op& op) const;
    void drawText(QPainter& painter, const TextOp& text) const;
    QPointF textTopLeft(const TextOp& text, const QFontMetricsF& metrics) const;
    void clear(QPainter& painter, Rgb colour) const;
    int penPixels(const Op& op) const;

    const Surface& m_surface;
    QSizeF m_pixels;
    double m_scale;
    WorldMap m_map;
};

} // namespace curvana
