#include "canvas/axes.h"

#include "core/text/number.h"

namespace curvana {

void drawAxes(Surface& s, AxesStyle style)
{
    // The welcome picture is half the board's size at the board's font: printed where the arrows
    // end, its X would run off the edge and its Y over the upright axis, so they stand further in.
    const bool small = style == AxesStyle::Welcome;
    s.setDrawWidth(1);
    s.clear();
    s.setScale(-10, 10, 10, -10);
    s.drawLine(-10, 0, 10, 0, kBlue);
    s.drawLineTo(9.5f, 0.5f, kBlue);
    s.drawLine(10, 0, 9.5f, -0.5f, kBlue);
    s.setForeColor(kBlue);
    if (small)
        s.drawTextAt(9.0f, -0.5f, QStringLiteral("X"));
    else
        s.drawText(QStringLiteral("X"));
    s.drawLine(0, -10, 0, 10, kBlue);
    s.drawLineTo(0.5f, 9.5f, kBlue);
    s.drawLine(0, 10, -0.5f, 9.5f, kBlue);
    if (small) {
        s.drawTextAt(-1.1f, 9.5f, QStringLiteral("Y"));
        return;
    }
    s.drawText(QStringLiteral("Y"));
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
