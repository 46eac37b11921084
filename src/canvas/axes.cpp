#include "canvas/axes.h"

#include "core/text/number.h"

namespace curvana {

void drawAxes(Surface& s, AxesStyle style)
{
    s.setDrawWidth(1);
    s.clear();
    s.setScale(-10, 10, 10, -10);
    s.drawLine(-10, 0, 10, 0, kBlue);
    s.drawLineTo(9.5f, 0.5f, kBlue);
    s.drawLine(10, 0, 9.5f, -0.5f, kBlue);
    s.setForeColor(kBlue);
    s.drawText(QStringLiteral("X"));
    s.drawLine(0, -10, 0, 10, kBlue);
    s.drawLineTo(0.5f, 9.5f, kBlue);
    s.drawLine(0, 10, -0.5f, 9.5f, kBlue);
    s.drawText(QStringLiteral("Y"));
    if (style == AxesStyle::Welcome)
        return;
    for (int i = -9; i <= 9; ++i) {
        const auto f = static_cast<float>(i);
        const QString label = QString::fromStdString(displayForm(i));
        s.drawLine(f, 0, f, 0.25f);
        s.drawTextAt(f - 0.5f, -0.5f, label);
        s.drawLine(0, f, -0.25f, f);
        if (i != 0)
            s.drawTextAt(-0.9f, f, label);
    }
    s.setDrawWidth(2);
}

} // namespace curvana
