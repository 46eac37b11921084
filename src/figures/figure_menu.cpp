#include "figures/figure_menu.h"

#include "figures/figure_dialog.h"

namespace curvana {

namespace {

WindowMenuEntry entryFor(const char* name, const char* caption, QKeyCombination key, const char* dialog)
{
    return {name, caption, QKeySequence(key), [dialog](Form1& board) -> QWidget* {
                return new FigureDialog(*figureDialogDesign(dialog), &board);
            }};
}

} // namespace

std::span<const WindowMenuEntry> figureMenuEntries()
{
    static const WindowMenuEntry entries[] = {
        entryFor("jk8", "点", Qt::CTRL | Qt::Key_D, "Dialog"),
        entryFor("jk7", "直线", Qt::CTRL | Qt::Key_S, "Dialog1"),
        entryFor("jk6", "三角形", Qt::CTRL | Qt::Key_C, "Dialog6"),
        entryFor("jk5", "平行四边形", Qt::CTRL | Qt::Key_E, "Dialog7"),
        entryFor("jk4", "矩形", Qt::CTRL | Qt::Key_H, "Dialog2"),
        entryFor("jk3", "弧", Qt::CTRL | Qt::Key_J, "Dialog8"),
        entryFor("lk2", "扇形", Qt::CTRL | Qt::Key_V, "Dialog5"),
        entryFor("jk1", "椭圆", Qt::CTRL | Qt::Key_Q, "Dialog4"),
    };
    return entries;
}

} // namespace curvana
