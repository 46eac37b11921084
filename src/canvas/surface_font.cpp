#include "canvas/surface_font.h"

#include <cmath>

namespace curvana {

QFont surfaceFont(double scale)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei Mono"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(12 * scale))));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QString uiFontFamily()
{
    return QStringLiteral("WenQuanYi Micro Hei");
}

} // namespace curvana
