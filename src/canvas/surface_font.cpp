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

QString uiFontFamily() { return QStringLiteral("WenQuanYi Micro Hei"); }

QStringList songFontFamilies()
{
    // AR PL UMing's simplified-Chinese family, named exactly so fontconfig picks no other face.
    return {QStringLiteral("AR PL UMing CN"), uiFontFamily()};
}

} // namespace curvana
