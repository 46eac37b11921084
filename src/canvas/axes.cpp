#include "canvas/axes.h"

#include <QFontMetricsF>

#include "canvas/surface_font.h"
#include "core/document/window_catalogue.h"
#include "core/text/number.h"
#include "core/view/axis_ticks.h"

namespace curvana {
namespace {

float single(double v) { return static_cast<float>(v); }

void drawSegment(Surface& s, const Segment& segment)
{
    s.drawLine(single(segment.from.x), single(segment.from.y), single(segment.to.x), single(segment.to.y), kBlue);
}

void drawAxis(Surface& s, const AxisLayout& axis, const QString& letter)
{
    drawSegment(s, axis.line);
    drawSegment(s, axis.arrowUpper);
    drawSegment(s, axis.arrowLower);
    s.drawTextAt(single(axis.letterAt.x), single(axis.letterAt.y), letter);
    for (const AxisMark& mark : axis.marks) {
        drawSegment(s, mark.tick);
        if (mark.label)
            s.drawTextAt(single(mark.label->at.x), single(mark.label->at.y), QString::fromStdString(mark.label->text));
    }
}

// The size the numbers are laid out for: the picture as it first showed (texts keep their places
// in the drawing at any other size), the designed picture before that.
PixelSize layoutPixels(const Surface& s)
{
    const QSize size = s.textLayoutSize();
    if (size.width() < 50 || size.height() < 50)
        return {double(kDesignPictureWidth), double(kDesignPictureHeight)};
    return {double(size.width()), double(size.height())};
}

void drawAxesForView(Surface& s, const ViewWindow& view)
{
    s.setScale(single(view.xFrom()), single(view.yTo()), single(view.xTo()), single(view.yFrom()));
    const QFontMetricsF font(surfaceFont(1.0));
    LabelMetrics metrics;
    metrics.width = [&font](const std::string& text) { return font.horizontalAdvance(QString::fromStdString(text)); };
    metrics.lineHeight = font.height();
    const AxesLayout axes = layoutAxes(view, layoutPixels(s), metrics);
    s.setForeColor(kBlue);
    drawAxis(s, axes.x, QStringLiteral("X"));
    drawAxis(s, axes.y, QStringLiteral("Y"));
    s.setDrawWidth(2);
}

} // namespace

void drawAxes(Surface& s, AxesStyle style, const ViewWindow& view)
{
    if (style == AxesStyle::Board && !view.isDesigned()) {
        s.setDrawWidth(1);
        s.clear();
        drawAxesForView(s, view);
        return;
    }
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
