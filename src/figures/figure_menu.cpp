#include "figures/figure_menu.h"

namespace curvana {

std::span<const WindowMenuEntry> figureMenuEntries()
{
    return {};
}

} // namespace curvana
