#include "canvas/axes.h"

#include "core/number.h"

namespace curvana {

void drawAxes(Surface& s, AxesStyle style)
{
    s.setDrawWidth(1);
    s.cls();
    s.setScale(-10, 10, 10, -10);
    s.line(-10, 0, 10, 0, kBlue);
    s.lineTo(9.5f, 0.5f, kBlue);
    s.line(10, 0, 9.5f, -0.5f, kBlue);
    s.setForeColor(kBlue);
    s.print(QStringLiteral("X"));
    s.line(0, -10, 0, 10, kBlue);
    s.lineTo(0.5f, 9.5f, kBlue);
    s.line(0, 10, -0.5f, 9.5f, kBlue);
    s.print(QStringLiteral("Y"));
    if (style == AxesStyle::Welcome)
        return;
    for (int i = -9; i <= 9; ++i) {
        const auto f = static_cast<float>(i);
        const QString label = QString::fromStdString(displayForm(i));
        s.line(f, 0, f, 0.25f);
        s.printAt(f - 0.5f, -0.5f, label);
        s.line(0, f, -0.25f, f);
        if (i != 0)
            s.printAt(-0.9f, f, label);
    }
    s.setDrawWidth(2);
}

} // namespace curvana
