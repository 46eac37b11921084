#include "plotters/plotter_menu.h"

#include "plotters/plotters.h"

namespace curvana {
namespace {

template <class Window>
QWidget* create(Form1&)
{
    return new Window;
}

const WindowMenuEntry kEntries[] = {
    {"fd1", "初等函数", QKeySequence(Qt::CTRL | Qt::Key_Insert), &create<Form2>},
    {"fd2", "圆锥曲线", QKeySequence(Qt::SHIFT | Qt::Key_Insert), &create<Form4>},
    {"fd3", "高等数学函数", QKeySequence(Qt::CTRL | Qt::Key_K), &create<Form6>},
};

} // namespace

std::span<const WindowMenuEntry> plotterMenuEntries()
{
    return kEntries;
}

} // namespace curvana
