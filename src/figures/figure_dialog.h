#pragma once
// One class for the eight basic-figure dialogs: each is a table of controls, a caption, a client
// size, the figure it makes and the names of its two buttons. 确定 draws and unloads the dialog;
// 取消 and the close box unload it without drawing.
#include <span>

#include "forms/drawing_window.h"
#include "core/curves.h"

namespace curvana {

class FigureDialog;

// The 确定 and 取消 buttons of a dialog and the handlers their clicks run.
struct FigureButtons {
    const char* ok;
    const char* cancel;
    void (FigureDialog::*okClick)();
    void (FigureDialog::*cancelClick)();
};

struct FigureDialogDesign {
    const char* name;    // "Dialog", "Dialog1", ...
    const char* caption; // "画点", ...
    int clientWidth;     // twips
    int clientHeight;
    std::span<const ControlRow> rows;
    FigureKind kind;
    const FigureButtons& buttons;
};

class FigureDialog : public DrawingForm {
    Q_OBJECT
public:
    // Where every dialog's client area stands on the screen, in twips: to the right of the board.
    static constexpr int kClientLeft = 9045;
    static constexpr int kClientTop = 330;

    // Built with its initial texts, placed and sized, not yet shown. Deletes itself when closed.
    explicit FigureDialog(const FigureDialogDesign& design, QWidget* board = nullptr);

    FigureKind kind() const { return m_kind; }

    // `Dialog`'s buttons.
    void OKButton_Click() { drawAndUnload(); }
    void CancelButton_Click() { close(); }
    // The buttons of every other dialog.
    void Command1_Click() { drawAndUnload(); }
    void Command2_Click() { close(); }

private:
    // Draws the figure and closes; a box without a number keeps the dialog open on that box.
    void drawAndUnload();
    void focusFirstInTabOrder(std::span<const ControlRow> rows);

    FigureKind m_kind;
};

// The eight dialogs in the order of the menu "画基本图象".
std::span<const FigureDialogDesign> figureDialogDesigns();
// The dialog of that window name, or nullptr.
const FigureDialogDesign* figureDialogDesign(std::string_view name);

} // namespace curvana
