#pragma once
// Cutting a straight segment to an axis-parallel box (Liang-Barsky), shared by the sampler, which
// cuts a curve's chords to the board in world units, and the rasteriser, which cuts lines in pixels.
#include <algorithm>

namespace curvana {

struct ClipBox {
    double left, right, low, high; // low < high in whichever direction y runs
};

// Cuts (ax, ay)-(bx, by) to `box`; false when nothing of it lies inside. The cut is computed as
// ratios along the segment, so ends far beyond the box keep the direction they give.
inline bool clipToBox(double& ax, double& ay, double& bx, double& by, const ClipBox& box)
{
    double t0 = 0, t1 = 1;
    const double dx = bx - ax, dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - box.left, box.right - ax, ay - box.low, box.high - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double startX = ax, startY = ay;
    if (t0 > 0) {
        ax = startX + dx * t0;
        ay = startY + dy * t0;
    }
    if (t1 < 1) {
        bx = startX + dx * t1;
        by = startY + dy * t1;
    }
    return true;
}

} // namespace curvana
