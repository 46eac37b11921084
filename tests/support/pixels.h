#pragma once
// Looking at rendered surfaces in tests: where a world point lands and what colour is there.
#include <QColor>
#include <QImage>
#include <QPoint>

#include "canvas/surface.h"
#include "canvas/world_map.h"

namespace curvana::testing {

inline WorldMap mapFor(const Surface& surface, QSize pixels)
{
    const WorldRect w = surface.scale();
    return WorldMap(w.left, w.top, w.right, w.bottom, QSizeF(pixels));
}

inline QPoint pixelAt(const Surface& surface, QSize pixels, double x, double y)
{
    const QPointF p = mapFor(surface, pixels).toPixel(x, y);
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

// Pixels of `colour` within `radius` of `centre` (a square neighbourhood).
inline int countNear(const QImage& image, QPoint centre, int radius, QColor colour)
{
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
            if (image.valid(x, y) && image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

inline int countColour(const QImage& image, QRect area, QColor colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

} // namespace curvana::testing
