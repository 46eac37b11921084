#include "figures/figure_menu.h"

#include "figures/figure_dialog.h"
#include "figures/label_dialog.h"
#include "figures/named_point_dialog.h"

namespace curvana {

namespace {

WindowMenuEntry entryFor(const char* name, const char* caption, QKeyCombination key, FigureKind figure)
{
    return {name, caption, QKeySequence(key), [figure](BoardTarget& board, QWidget* owner) -> QWidget* {
                return new FigureDialog(figureDialogDesign(figure), board, owner);
            }};
}

} // namespace

std::span<const WindowMenuEntry> figureMenuEntries()
{
    static const WindowMenuEntry entries[] = {
        entryFor("jk8", "点", Qt::CTRL | Qt::Key_D, FigureKind::Point),
        entryFor("jk7", "直线", Qt::CTRL | Qt::Key_S, FigureKind::Line),
        entryFor("jk6", "三角形", Qt::CTRL | Qt::Key_C, FigureKind::Triangle),
        entryFor("jk5", "平行四边形", Qt::CTRL | Qt::Key_E, FigureKind::Parallelogram),
        entryFor("jk4", "矩形", Qt::CTRL | Qt::Key_H, FigureKind::Rectangle),
        entryFor("jk3", "弧", Qt::CTRL | Qt::Key_J, FigureKind::Arc),
        entryFor("lk2", "扇形", Qt::CTRL | Qt::Key_V, FigureKind::Sector),
        entryFor("jk1", "椭圆", Qt::CTRL | Qt::Key_Q, FigureKind::Ellipse),
        {"mmText", "文字", QKeySequence(Qt::CTRL | Qt::Key_L),
            [](BoardTarget& board, QWidget* owner) -> QWidget* { return new LabelDialog(board, owner); }},
        {"mmNamedPoint", "命名点", QKeySequence(Qt::CTRL | Qt::Key_G),
            [](BoardTarget& board, QWidget* owner) -> QWidget* { return new NamedPointDialog(board, owner); }},
    };
    return entries;
}

} // namespace curvana
