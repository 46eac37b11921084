#pragma once
#include <QFont>
#include <QStringList>

namespace curvana {

// The font of every text printed on a plotting surface: a CJK face whose Latin letters are half
// as wide as its Chinese ones, at 12 pixels per logical pixel scale.
QFont surfaceFont(double scale);

// The family used for the program's own windows.
QString uiFontFamily();

// The Song (serif) face of the designs' sized captions, with the UI face for a missing glyph or font.
QStringList songFontFamilies();

} // namespace curvana
