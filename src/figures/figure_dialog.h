#pragma once
// One class for the eight basic-figure dialogs: each is a table of controls, a caption, a client
// size, the figure it makes and the names of its two buttons. 确定 draws and unloads the dialog;
// 取消 and the close box unload it without drawing.
#include <functional>
#include <span>

#include "forms/drawing_window.h"
#include "core/curves/curves.h"

namespace curvana {

// The names of a dialog's 确定 and 取消 buttons.
struct FigureButtons {
    const char* ok;
    const char* cancel;
};

// A figure dialog's layout; its design name and caption are the catalogue's.
struct FigureDialogDesign {
    int clientWidth; // twips
    int clientHeight;
    std::span<const ControlRow> rows;
    FigureKind kind;
    const FigureButtons& buttons;
};

class FigureDialog : public DrawingWindow {
    Q_OBJECT
public:
    // Where every dialog's client area stands on the screen, in twips: to the right of the board.
    static constexpr int kClientLeft = 9045;
    static constexpr int kClientTop = 330;

    // Built with its initial texts, placed and sized, not yet shown; draws on `board` and stays
    // above `owner`. Deletes itself when closed. A table without the design's two buttons stops
    // the program here.
    FigureDialog(const FigureDialogDesign& design, BoardTarget& board, QWidget* owner = nullptr);

    FigureKind kind() const { return m_kind; }

    // 确定: draws the figure and closes; a box without a number keeps the dialog open on that box.
    void drawAndClose();

private:
    FigureKind m_kind;
};

// What every dialog of the menu "画基本图象" does once its controls are built: its object name,
// dialog flags, fixed size and place beside the board, 确定 calling `ok`, 取消 closing it, and the
// focus on the first control in tab order. A table without the two buttons stops the program.
void setUpBoardDialog(DrawingWindow& dialog, const char* name, std::span<const ControlRow> rows,
    const FigureButtons& buttons, const std::function<void()>& ok);

// The eight dialogs in the order of the menu "画基本图象".
std::span<const FigureDialogDesign> figureDialogDesigns();
// The dialog that draws `figure`.
const FigureDialogDesign& figureDialogDesign(FigureKind figure);

} // namespace curvana
