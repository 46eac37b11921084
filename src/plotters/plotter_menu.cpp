#include "plotters/plotter_menu.h"

#include "plotters/formula_window.h"
#include "plotters/plotters.h"
#include "plotters/table_window.h"

namespace curvana {
namespace {

// The board's window owns the plotter, so the plotter stays in front of it, even of a maximized
// board; closing the plotter leaves the board alone.
template <class Window> QWidget* create(BoardTarget& board, QWidget* owner) { return new Window(board, owner); }

const WindowMenuEntry kEntries[] = {
    {"fd1", "初等函数", QKeySequence(Qt::CTRL | Qt::Key_Insert), &create<ElementaryPlotter>},
    {"fd2", "圆锥曲线", QKeySequence(Qt::SHIFT | Qt::Key_Insert), &create<ConicPlotter>},
    {"fd3", "高等数学函数", QKeySequence(Qt::CTRL | Qt::Key_K), &create<ClassicCurvePlotter>},
    {"fdFormula", "自定义函数", QKeySequence(Qt::CTRL | Qt::Key_F), &create<FormulaWindow>},
    {"fdTable", "列表描点", QKeySequence(Qt::CTRL | Qt::Key_B), &create<TableWindow>},
};

} // namespace

std::span<const WindowMenuEntry> plotterMenuEntries() { return kEntries; }

} // namespace curvana
