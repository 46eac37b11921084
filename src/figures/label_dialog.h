#pragma once
// "画文字": writes a text on the board with its top-left corner at a point, in the captions' font
// and a chosen colour. Built like the figure dialogs; 确定 draws and unloads it, 取消 unloads it.
#include "forms/drawing_window.h"

namespace curvana {

class LabelDialog : public DrawingWindow {
    Q_OBJECT
public:
    // Placed beside the board, not yet shown; draws on `board`, stays above `owner` and deletes
    // itself when closed.
    LabelDialog(BoardTarget& board, QWidget* owner = nullptr);

    // 确定: writes the text and closes; an empty text or a point that is not a number keeps the
    // dialog open on that box.
    void drawAndClose();
};

} // namespace curvana
