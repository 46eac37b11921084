// What opening the dearest boards the file limits admit costs: each curve window's option on its
// own (time and dots), a board at every limit at once, and a board of own formulas each made to
// compute just inside the formula's own time limit, which the read's time budget must refuse.
#include <QFile>
#include <QImage>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "bench_labels.h"
#include "canvas/action_painter.h"
#include "canvas/rasteriser.h"
#include "core/document/board_document.h"
#include "storage/board_codec.h"
#include "storage/board_file.h"

namespace curvana {
namespace {

const QSize kBoard(417, 433);

std::vector<CurveAction> everyCurveOption(const std::string& colour)
{
    std::vector<CurveAction> curves;
    const auto add = [&](CurveWindow window, const FieldTexts& texts) {
        for (const CurveOption& option : curveWindowEntry(window).options)
            curves.push_back(CurveAction{window, option.number, texts, colour});
    };
    add(CurveWindow::Elementary, {"2", "+2", "-0.5"});
    add(CurveWindow::Conic, {"1", "1", "3", "2"});
    add(CurveWindow::Classic, {"1.5"});
    return curves;
}

// One curve of each option, computed as opening checks it: the time and the dots it costs.
void curveOptionCost(benchmark::State& state)
{
    const CurveAction curve = everyCurveOption("红").at(static_cast<std::size_t>(state.range(0)));
    double dots = 0;
    for (auto _ : state) {
        dots = drawnDots(BoardAction(curve));
        benchmark::DoNotOptimize(dots);
    }
    state.counters["dots"] = dots;
    state.SetLabel(actionTitle(curve) + " option " + std::to_string(curve.option));
}
BENCHMARK(curveOptionCost)
    ->DenseRange(0, static_cast<int>(everyCurveOption("").size()) - 1)
    ->Unit(benchmark::kMillisecond);

// The dearest own formulas a pupil might type, each drawn as the board draws it.
std::vector<FormulaAction> dearFormulas(std::size_t count)
{
    const char* const texts[] = {"tan x^3", "1/sin(50x)"};
    std::vector<FormulaAction> formulas;
    for (std::size_t i = 0; i < count; ++i)
        formulas.push_back(FormulaAction{FormulaKind::Function, texts[i % 2], "", "-10", "10", "蓝", int(i)});
    return formulas;
}

void dearFormulaCost(benchmark::State& state)
{
    const FormulaAction formula = dearFormulas(2).at(static_cast<std::size_t>(state.range(0)));
    double dots = 0;
    for (auto _ : state) {
        dots = drawnDots(BoardAction(formula));
        benchmark::DoNotOptimize(dots);
    }
    state.counters["dots"] = dots;
    state.SetLabel(formula.first);
}
BENCHMARK(dearFormulaCost)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// A stroke of `points` dots, as the pen leaves them, wandering over the board.
StrokeAction penStroke(std::size_t n, std::size_t points)
{
    StrokeRun run{kBlue, {}};
    for (std::size_t i = 0; i < points; ++i)
        run.points.push_back({static_cast<float>(9 * std::sin(0.37 * double(n) + 0.01 * double(i))),
            static_cast<float>(9 * std::cos(0.23 * double(n) + 0.013 * double(i)))});
    return StrokeAction{{run}};
}

// Every limit reached at once, in the dearest way: the own formulas; the curves, as many of the
// dearest per dot (其他数学函数 option 4, about 50 ns a dot) as the cap on drawn dots leaves room
// for and small circles for the rest, each with the longest colour text a field may hold; ellipses
// of radius 1000 up to the cap on drawn dots; strokes for the rest of the actions and all the
// stroke points. The file stays within its size cap.
std::vector<BoardAction> boardAtEveryLimit()
{
    std::vector<BoardAction> actions;
    double dots = 0;
    const auto add = [&](BoardAction action) {
        dots += drawnDots(action);
        actions.push_back(std::move(action));
    };
    for (const FormulaAction& formula : dearFormulas(kMaxBoardFormulas))
        add(formula);
    const std::string colour(kMaxFieldCharacters, 'x');
    const BoardAction dear = CurveAction{CurveWindow::Classic, 4, {"1.5"}, colour};
    const BoardAction circle = CurveAction{CurveWindow::Conic, 5, {"1", "1", "3", "2"}, colour};
    const double room = kMaxDrawnDots - dots - double(kMaxBoardCurves) * drawnDots(circle);
    const auto dearOnes = std::min(kMaxBoardCurves, static_cast<std::size_t>(room / drawnDots(dear)));
    for (std::size_t i = 0; i < kMaxBoardCurves; ++i)
        add(i < dearOnes ? dear : circle);
    const FigureAction ellipse{FigureKind::Ellipse, {"0", "0", "1000", "1000"}, ""};
    const double ellipseDots = drawnDots(BoardAction(ellipse));
    while (dots + ellipseDots <= kMaxDrawnDots)
        add(ellipse);
    const std::size_t strokes = kMaxBoardActions - actions.size();
    for (std::size_t n = 0; n < strokes; ++n)
        actions.push_back(penStroke(n, kMaxStrokePoints / strokes));
    return actions;
}

// With CURVANA_BENCH_BOARDS set to a folder, the boards are also written there, to be opened in
// the program itself (its time and memory measured from outside).
void keepFile(const char* name, const QByteArray& bytes)
{
    const QString folder = qEnvironmentVariable("CURVANA_BENCH_BOARDS");
    if (folder.isEmpty())
        return;
    QFile file(folder + QLatin1Char('/') + QLatin1String(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "could not write %s\n", qPrintable(file.fileName()));
}

// Opening as the board does it: read and check the file, paint every action from the drawings the
// check computed (or, with range(0) = 1, computing each again as before), render the board once.
void openBoardAtEveryLimit(benchmark::State& state)
{
    const QByteArray file = encodeBoard(boardAtEveryLimit());
    keepFile("every-limit.curvana", file);
    const bool recompute = state.range(0) == 1;
    QImage image(kBoard, QImage::Format_RGB32);
    double readSeconds = 0, paintSeconds = 0, renderSeconds = 0, readCpuSeconds = 0;
    std::uint64_t surfaceDots = 0;
    for (auto _ : state) {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        const std::clock_t startCpu = std::clock();
        // The budget is left out here: this measures the whole cost, however long it is.
        BoardReadResult read = decodeBoard(file, ReadBudget(std::chrono::hours(1)));
        auto* opened = std::get_if<OpenedBoard>(&read);
        if (!opened) {
            state.SkipWithError(std::get<QString>(read).toStdString().c_str());
            return;
        }
        const auto read_ = Clock::now();
        readCpuSeconds += double(std::clock() - startCpu) / CLOCKS_PER_SEC;
        Surface surface(kBoard);
        surface.setScale(-10, 10, 10, -10);
        BoardDocument document;
        document.replaceAll(std::move(opened->actions));
        followDocument(surface, document, {}, recompute ? CheckedDrawings{} : std::move(opened->drawings));
        const auto painted = Clock::now();
        image.fill(Qt::white);
        Rasteriser(surface, QSizeF(kBoard), 1).render(image, {0, 0}, surface.end());
        benchmark::ClobberMemory();
        readSeconds += std::chrono::duration<double>(read_ - start).count();
        paintSeconds += std::chrono::duration<double>(painted - read_).count();
        renderSeconds += std::chrono::duration<double>(Clock::now() - painted).count();
        surfaceDots = surface.dotCount();
    }
    const auto perRun = [&](double seconds) { return benchmark::Counter(seconds / double(state.iterations())); };
    state.counters["read_s"] = perRun(readSeconds);
    state.counters["read_cpu_s"] = perRun(readCpuSeconds);
    state.counters["paint_s"] = perRun(paintSeconds);
    state.counters["render_s"] = perRun(renderSeconds);
    state.counters["file_MB"] = double(file.size()) / (1024 * 1024);
    state.counters["surface_dots"] = double(surfaceDots);
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK(openBoardAtEveryLimit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// An own formula whose curve needs many values (tan x³ turns ever faster towards the edges) and
// `terms` extra terms that cost time at every value without changing the curve.
FormulaAction slowFormula(int terms, int captionLine)
{
    std::string text = "tan(x^3)";
    for (int i = 0; i < terms; ++i)
        text += "+0*sin(cos(x))";
    return FormulaAction{FormulaKind::Function, text, "", "-10", "10", "", captionLine};
}

double secondsToDraw(const FormulaAction& formula)
{
    const auto start = std::chrono::steady_clock::now();
    const bool drawn = std::holds_alternative<Drawing>(actionDrawing(formula));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return drawn ? seconds : -1;
}

// The most terms (within what a box holds) for which the formula still draws within 0.15 s here,
// inside the 0.3 s each formula may take with room for a busy machine.
int termsForSlowFormula()
{
    int low = 0;
    int high = 0;
    while (slowFormula(high + 1, 0).first.size() <= std::size_t(kMaxFieldCharacters))
        ++high;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        const double seconds = secondsToDraw(slowFormula(middle, 0));
        if (seconds >= 0 && seconds <= 0.15)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// The crafted file: as many own formulas as admitted, each as slow as one can be made within a
// box. Checking them all would take several seconds; the read's budget refuses the file instead.
void openCraftedFormulaBoard(benchmark::State& state)
{
    const int terms = termsForSlowFormula();
    const double each = secondsToDraw(slowFormula(terms, 0));
    std::vector<BoardAction> actions;
    for (std::size_t i = 0; i < kMaxBoardFormulas; ++i)
        actions.push_back(slowFormula(terms, int(i)));
    const QByteArray file = encodeBoard(actions);
    keepFile("crafted-formulas.curvana", file);
    std::string outcome;
    for (auto _ : state) {
        const BoardReadResult read = decodeBoard(file);
        outcome = std::holds_alternative<OpenedBoard>(read) ? "opened" : std::get<QString>(read).toStdString();
    }
    state.counters["formula_s"] = each;
    state.counters["terms"] = terms;
    std::fprintf(stderr, "crafted formula board: %s\n", outcome.c_str());
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK(openCraftedFormulaBoard)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace curvana
