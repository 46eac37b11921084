#pragma once
// A pen colour as Qt paints it.
#include <QColor>

#include "core/text/pen_colour.h"

namespace curvana {

inline QColor toQColor(Rgb colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

} // namespace curvana
