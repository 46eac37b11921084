#pragma once
#include <span>

#include "forms/menu_entry.h"

namespace curvana {

// The entries of the board's menu "画函数图象".
std::span<const WindowMenuEntry> plotterMenuEntries();

} // namespace curvana
