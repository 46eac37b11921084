// Saving and opening the recovery file of a busy board: 50 curves and a 10,000-point stroke. The
// recovery file is written after every change, so both must stay well under a frame or two.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

#include "storage/board_file.h"

namespace curvana {
namespace {

std::vector<BoardAction> busyBoard()
{
    std::vector<BoardAction> actions;
    for (int i = 0; i < 50; ++i) {
        switch (i % 3) {
        case 0: actions.push_back(CurveAction{CurveWindow::Elementary, 1 + i % 10, {"2", "+2", "+0"}, "红"}); break;
        case 1: actions.push_back(CurveAction{CurveWindow::Conic, 1 + i % 3, {"1", "1", "3", "2"}, "蓝"}); break;
        default: actions.push_back(CurveAction{CurveWindow::Classic, 1 + i % 6, {"1"}, "绿"}); break;
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
    ScratchState() : m_saved(qgetenv("XDG_STATE_HOME")) { qputenv("XDG_STATE_HOME", m_dir.path().toUtf8()); }
    ~ScratchState() { qputenv("XDG_STATE_HOME", m_saved); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

void saveRecoveryFile(benchmark::State& state)
{
    const ScratchState scratch;
    const std::vector<BoardAction> board = busyBoard();
    for (auto _ : state)
        if (writeRecoveryFile(board))
            state.SkipWithError("the recovery file could not be written");
}
BENCHMARK(saveRecoveryFile)->Unit(benchmark::kMillisecond);

void openRecoveryFile(benchmark::State& state)
{
    const ScratchState scratch;
    if (writeRecoveryFile(busyBoard())) {
        state.SkipWithError("the recovery file could not be written");
        return;
    }
    for (auto _ : state) {
        const BoardReadResult read = readBoardFile(recoveryFilePath());
        if (!std::holds_alternative<std::vector<BoardAction>>(read))
            state.SkipWithError("the recovery file could not be read");
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(openRecoveryFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace curvana
