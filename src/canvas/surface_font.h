#pragma once
#include <QFont>

namespace curvana {

// The font of every text printed on a plotting surface: a CJK face whose Latin letters are half
// as wide as its Chinese ones, at 12 pixels per logical pixel scale.
QFont surfaceFont(double scale);

// The family used for the program's own windows.
QString uiFontFamily();

} // namespace curvana
