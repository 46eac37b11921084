#pragma once
// "命名点": a point with its name, drawn as a filled dot with "A(1, 2)" beside it, one object on the
// board. Built like the figure dialogs; 确定 draws and unloads it, 取消 unloads it.
#include "forms/drawing_window.h"

namespace curvana {

class NamedPointDialog : public DrawingWindow {
    Q_OBJECT
public:
    // Placed beside the board, not yet shown; draws on `board`, stays above `owner` and deletes
    // itself when closed.
    NamedPointDialog(BoardTarget& board, QWidget* owner = nullptr);

    // 确定: draws the point and closes; a coordinate that is not a number keeps the dialog open on
    // that box.
    void drawAndClose();
};

} // namespace curvana
