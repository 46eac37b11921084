// The recovery file of a busy board: one step of a long lesson with the pen (4,000 strokes), which
// must cost the same as on an empty board and well under a frame, and opening the file of a board
// of 50 curves and a 10,000-point stroke.
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

#include "canvas/action_painter.h"
#include "canvas/rasteriser.h"
#include "core/document/board_document.h"
#include "storage/board_codec.h"
#include "storage/board_file.h"
#include "storage/recovery_files.h"
#include "storage/recovery_journal.h"

namespace curvana {
namespace {

std::vector<BoardAction> busyBoard()
{
    std::vector<BoardAction> actions;
    for (int i = 0; i < 50; ++i) {
        switch (i % 3) {
        case 0:
            actions.push_back(CurveAction{CurveWindow::Elementary, 1 + i % 10, {"2", "+2", "+0"}, "红"});
            break;
        case 1:
            actions.push_back(CurveAction{CurveWindow::Conic, 1 + i % 3, {"1", "1", "3", "2"}, "蓝"});
            break;
        default:
            actions.push_back(CurveAction{CurveWindow::Classic, 1 + i % 6, {"1"}, "绿"});
            break;
        }
    }
    StrokeRun run{kRed, {}};
    for (int i = 0; i < 10'000; ++i)
        run.points.push_back({static_cast<float>(9 * std::sin(i * 0.001)), static_cast<float>(i * 0.0017 - 8.5)});
    actions.push_back(StrokeAction{{run}});
    return actions;
}

// The recovery file goes to a scratch folder, never over the user's own.
class ScratchState {
public:
    ScratchState()
        : m_saved(qgetenv("XDG_STATE_HOME"))
    {
        qputenv("XDG_STATE_HOME", m_dir.path().toUtf8());
    }
    ~ScratchState() { qputenv("XDG_STATE_HOME", m_saved); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

// A stroke of a hundred dots, as a short pen movement leaves.
StrokeAction penStroke(int n)
{
    StrokeRun run{kBlue, {}};
    for (int i = 0; i < 100; ++i)
        run.points.push_back(
            {static_cast<float>(-9 + (n % 180) * 0.1 + i * 0.001), static_cast<float>(9 - (n / 180) * 0.5)});
    return StrokeAction{{run}};
}

// One step on a board of `state.range(0)` strokes: a stroke added, then undone, each as the board
// window records it.
void recoveryStep(benchmark::State& state)
{
    const ScratchState scratch;
    std::vector<BoardAction> board;
    for (int i = 0; i < state.range(0); ++i)
        board.push_back(penStroke(i));
    RecoveryJournal journal;
    const QString path = recoveryFilePath();
    if (journal.record(path, board))
        state.SkipWithError("the recovery file could not be written");
    const BoardAction stroke = penStroke(7);
    for (auto _ : state) {
        board.push_back(stroke);
        const bool added = !journal.record(path, board);
        board.pop_back();
        if (!added || journal.record(path, board))
            state.SkipWithError("the recovery file could not be written");
    }
    state.SetItemsProcessed(2 * state.iterations()); // steps
}
BENCHMARK(recoveryStep)->Arg(100)->Arg(4000)->Unit(benchmark::kMicrosecond);

void openRecoveryFile(benchmark::State& state)
{
    const ScratchState scratch;
    if (RecoveryJournal().compact(recoveryFilePath(), busyBoard())) {
        state.SkipWithError("the recovery file could not be written");
        return;
    }
    for (auto _ : state) {
        const BoardReadResult read = readBoardFile(recoveryFilePath());
        if (!std::holds_alternative<OpenedBoard>(read))
            state.SkipWithError("the recovery file could not be read");
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(openRecoveryFile)->Unit(benchmark::kMillisecond);

// The dearest board the limits admit: ellipses of radius 1000 up to the cap on drawn dots, opened
// (read, checked, every action painted) and rendered once, as the board does after opening.
void openBoardAtTheDrawingLimit(benchmark::State& state)
{
    const FigureAction ellipse{FigureKind::Ellipse, {"0", "0", "1000", "1000"}, ""};
    const auto count = static_cast<std::size_t>(kMaxDrawnDots / drawnDots(BoardAction(ellipse)));
    const QByteArray file = encodeBoard(std::vector<BoardAction>(count, ellipse));
    const QSize board(417, 433);
    QImage image(board, QImage::Format_RGB32);
    for (auto _ : state) {
        const BoardReadResult read = decodeBoard(file);
        const auto* opened = std::get_if<OpenedBoard>(&read);
        if (!opened) {
            state.SkipWithError("the board at the limit was refused");
            return;
        }
        Surface surface(board);
        surface.setScale(-10, 10, 10, -10);
        for (std::size_t i = 0; i < opened->actions.size(); ++i)
            paintAction(surface, opened->actions[i], {}, opened->drawings[i] ? &*opened->drawings[i] : nullptr);
        image.fill(Qt::white);
        Rasteriser(surface, QSizeF(board), 1).render(image, {0, 0}, surface.end());
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(count) + " ellipses of radius 1000");
}
BENCHMARK(openBoardAtTheDrawingLimit)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace curvana
