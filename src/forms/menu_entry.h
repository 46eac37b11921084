#pragma once
// A menu entry that opens one of the windows drawing on the board.
#include <QKeySequence>
#include <functional>

class QWidget;

namespace curvana {

class BoardTarget;

struct WindowMenuEntry {
    const char* name; // the action's object name, "fd1"
    const char* caption;
    QKeySequence shortcut;
    // Makes the window drawing on `target`; `owner` is the board's widget, for windows tied to it.
    std::function<QWidget*(BoardTarget& target, QWidget* owner)> create;
};

} // namespace curvana
