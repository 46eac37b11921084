#include "plotters/plotter_menu.h"

namespace curvana {

std::span<const WindowMenuEntry> plotterMenuEntries()
{
    return {};
}

} // namespace curvana
