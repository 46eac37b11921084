// The surface's cost per dot: adding dots to the list and rasterising them, against the plainest
// possible loop that writes the same pixels into an image.
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <string>
#include <vector>

#include "canvas/rasteriser.h"
#include "canvas/surface.h"

namespace curvana {
namespace {

const QSize kBoard(413, 429);

std::vector<FloatPoint> curve(int count)
{
    std::vector<FloatPoint> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double x = -8 + 16.0 * i / count;
        points.push_back({static_cast<float>(x), static_cast<float>(5 * std::sin(3 * x))});
    }
    return points;
}

std::string key(int count, int width) { return std::to_string(count) + "x" + std::to_string(width); }

// The baseline: map each point and write its square of pixels, nothing else.
void rawPixelWrite(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0)), w = static_cast<int>(state.range(1));
    const auto points = curve(count);
    QImage image(kBoard, QImage::Format_RGB32);
    image.fill(Qt::white);
    const double sx = kBoard.width() / 20.0, sy = -kBoard.height() / 20.0;
    for (auto _ : state) {
        uchar* bits = image.bits();
        const qsizetype stride = image.bytesPerLine();
        for (const FloatPoint& p : points) {
            const int x0 = static_cast<int>((p.x + 10) * sx) - w / 2;
            const int y0 = static_cast<int>((p.y - 10) * sy) - w / 2;
            for (int y = std::max(0, y0); y < std::min(kBoard.height(), y0 + w); ++y)
                for (int x = std::max(0, x0); x < std::min(kBoard.width(), x0 + w); ++x)
                    reinterpret_cast<QRgb*>(bits + y * stride)[x] = 0xffff0000;
        }
        benchmark::ClobberMemory();
    }
    state.SetLabel("raw:" + key(count, w));
}
BENCHMARK(rawPixelWrite)->Args({30600, 2})->Args({229185, 1})->Args({1000000, 2})->Unit(benchmark::kMillisecond);

// One curve as a plotter draws it: every dot through setPixel, then rasterised onto the board.
void addAndRasterise(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0)), w = static_cast<int>(state.range(1));
    const auto points = curve(count);
    QImage image(kBoard, QImage::Format_RGB32);
    for (auto _ : state) {
        Surface surface(kBoard);
        surface.setScale(-10, 10, 10, -10);
        surface.setDrawWidth(w);
        for (const FloatPoint& p : points)
            surface.setPixel(p.x, p.y, kRed);
        Rasteriser(surface, QSizeF(kBoard), 1).render(image, {0, 0}, surface.end());
        benchmark::ClobberMemory();
    }
    state.SetLabel("vs:" + key(count, w));
}
BENCHMARK(addAndRasterise)->Args({30600, 2})->Args({229185, 1})->Unit(benchmark::kMillisecond);

// A resize: the whole list of a million dots rendered again at a new width.
void rerenderAfterResize(benchmark::State& state)
{
    const auto points = curve(1000000);
    Surface surface(kBoard);
    surface.setScale(-10, 10, 10, -10);
    surface.setDrawWidth(2);
    for (const FloatPoint& p : points)
        surface.setPixel(p.x, p.y, kRed);
    QImage image(QSize(600, 429), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        Rasteriser(surface, QSizeF(image.size()), 1).render(image, {0, 0}, surface.end());
        benchmark::ClobberMemory();
    }
    state.SetLabel("vs:" + key(1000000, 2));
}
BENCHMARK(rerenderAfterResize)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace curvana
