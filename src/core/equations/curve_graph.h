#pragma once
// Points on a curve and the straight pieces between them, gathered cell by cell, then walked into
// polylines: a polyline ends where the curve ends or branches, and a closed loop repeats its start.
#include <vector>

#include "core/curves/drawing.h"

namespace curvana {

class CurveGraph {
public:
    int add(WorldPoint point);
    void connect(int a, int b);
    const WorldPoint& point(int vertex) const { return m_points[static_cast<std::size_t>(vertex)]; }
    int degree(int vertex) const { return static_cast<int>(m_neighbours[static_cast<std::size_t>(vertex)].size()); }

    std::vector<Polyline> pieces() const;

private:
    std::vector<WorldPoint> m_points;
    std::vector<std::vector<int>> m_neighbours;
};

} // namespace curvana
