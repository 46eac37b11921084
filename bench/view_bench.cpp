// One wheel notch before anything is drawn: the new view and its axes (ticks, numbers measured
// with a fixed width per character), at the designed view and at views far from it; and one wheel
// notch from the event to the new picture on a board of ten curves, two figures and a stroke of
// 5,000 dots: every action computed again for the new view, painted and rasterised.
#include <QImage>
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "bench_labels.h"
#include "canvas/action_painter.h"
#include "canvas/qt_colour.h"
#include "canvas/rasteriser.h"
#include "core/view/axis_ticks.h"

namespace curvana {
namespace {

void wheelNotchAxes(benchmark::State& state, ViewWindow view)
{
    const LabelMetrics metrics = LabelMetrics::estimated();
    const ViewMapping mapping(view, {1920, 1080});
    std::size_t marks = 0;
    for (auto _ : state) {
        const ViewWindow zoomed = mapping.zoomedAtPixel({700, 300}, ViewWindow::kZoomStep);
        const AxesLayout axes = layoutAxes(zoomed, mapping.pixels(), metrics);
        marks = axes.x.marks.size() + axes.y.marks.size();
        benchmark::DoNotOptimize(marks);
    }
    state.counters["marks"] = static_cast<double>(marks);
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK_CAPTURE(wheelNotchAxes, designed, ViewWindow())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(wheelNotchAxes, thousandfold, ViewWindow().zoomedAtCentre(1000))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(wheelNotchAxes, farAndWide, *ViewWindow::make(-1e12, 0, 1e6, 1e6 + 5))->Unit(benchmark::kMicrosecond);

// Ten curves of all three plotters and the own-formula window, two figures and a long stroke.
BoardDocument busyBoard()
{
    BoardDocument board;
    board.add(CurveAction{CurveWindow::Elementary, 1, {"1", "2", "0"}, "红"});
    board.add(CurveAction{CurveWindow::Elementary, 3, {"1", "2", "0"}, "绿"});
    board.add(CurveAction{CurveWindow::Elementary, 4, {"3", "1", "0"}, "蓝"});
    board.add(CurveAction{CurveWindow::Elementary, 6, {"2", "0", "0"}, "黑"});
    board.add(CurveAction{CurveWindow::Conic, 1, {"0", "0", "5", "3"}, "红"});
    board.add(CurveAction{CurveWindow::Conic, 2, {"1", "1", "2", "3"}, "青"});
    board.add(CurveAction{CurveWindow::Classic, 3, {"2"}, "黄"});
    board.add(FormulaAction{FormulaKind::Function, "x^2-0.01", "", "-10", "10", "红", 0});
    board.add(FormulaAction{FormulaKind::Function, "e^x", "", "-10", "10", "蓝", 1});
    board.add(FormulaAction{FormulaKind::Polar, "4sin 2θ", "", "0", "2π", "绿", 2});
    board.add(FigureAction{FigureKind::Ellipse, {"1", "1", "4", "2"}, "黑"});
    board.add(FigureAction{FigureKind::Triangle, {"-5", "-5", "5", "-5", "0", "6"}, "蓝"});
    StrokeRun run{kRed, {}};
    for (int i = 0; i < 5000; ++i) {
        const double t = i / 5000.0 * 6.283;
        run.points.push_back({static_cast<float>(6 * std::cos(t)), static_cast<float>(6 * std::sin(3 * t))});
    }
    board.add(StrokeAction{{run}});
    return board;
}

// From the wheel's event to the new picture: the zoomed view, the axes and every action computed
// and painted for it, and the list rasterised onto the board's picture. The notches alternate in
// and out about a point off the centre, so every step is a new view.
void wheelNotchBoard(benchmark::State& state)
{
    const BoardDocument board = busyBoard();
    const QSize picture(kDesignPictureWidth, kDesignPictureHeight);
    Surface surface(picture);
    surface.setTextLayoutSize(picture);
    QImage image(picture, QImage::Format_RGB32);
    ViewWindow view = ViewWindow().zoomedAtCentre(state.range(0));
    int notch = 0;
    for (auto _ : state) {
        const ViewMapping mapping(view, {double(picture.width()), double(picture.height())});
        view = mapping.zoomedAtPixel({150, 120}, notch++ % 2 == 0 ? ViewWindow::kZoomStep : 1 / ViewWindow::kZoomStep);
        drawDocumentAt(surface, board, view);
        image.fill(toQColor(surface.backColor()));
        Rasteriser(surface, QSizeF(picture), 1).render(image, surface.renderStartFor(surface.end()), surface.end());
        benchmark::ClobberMemory();
    }
    state.counters["dots"] = static_cast<double>(surface.dotCount());
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK(wheelNotchBoard)->Arg(1)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace curvana
