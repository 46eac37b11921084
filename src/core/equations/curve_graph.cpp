#include "core/equations/curve_graph.h"

#include <algorithm>
#include <set>
#include <utility>

namespace curvana {

int CurveGraph::add(WorldPoint point)
{
    m_points.push_back(point);
    m_neighbours.emplace_back();
    return static_cast<int>(m_points.size()) - 1;
}

void CurveGraph::connect(int a, int b)
{
    if (a == b)
        return;
    auto& fromA = m_neighbours[static_cast<std::size_t>(a)];
    if (std::find(fromA.begin(), fromA.end(), b) != fromA.end())
        return;
    fromA.push_back(b);
    m_neighbours[static_cast<std::size_t>(b)].push_back(a);
}

std::vector<Polyline> CurveGraph::pieces() const
{
    std::set<std::pair<int, int>> walked;
    const auto edge = [](int a, int b) { return std::make_pair(std::min(a, b), std::max(a, b)); };
    std::vector<Polyline> result;
    // Follows unwalked edges from `start` until a branch, an end or a walked edge; every step
    // walks a new edge, so the walk ends after at most all edges.
    const auto walkFrom = [&](int start, int next) {
        Polyline line;
        line.points.push_back(m_points[static_cast<std::size_t>(start)]);
        int previous = start;
        int current = next;
        walked.insert(edge(previous, current));
        for (;;) {
            line.points.push_back(m_points[static_cast<std::size_t>(current)]);
            const auto& around = m_neighbours[static_cast<std::size_t>(current)];
            if (around.size() != 2)
                break;
            const int following = around[0] == previous ? around[1] : around[0];
            if (walked.contains(edge(current, following)))
                break;
            walked.insert(edge(current, following));
            previous = current;
            current = following;
        }
        result.push_back(std::move(line));
    };
    // Ends and branch points first, so open pieces are not cut in the middle; then closed loops.
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t v = 0; v < m_points.size(); ++v) {
            if (pass == 0 && m_neighbours[v].size() == 2)
                continue;
            for (const int next : m_neighbours[v])
                if (!walked.contains(edge(static_cast<int>(v), next)))
                    walkFrom(static_cast<int>(v), next);
        }
    return result;
}

} // namespace curvana
