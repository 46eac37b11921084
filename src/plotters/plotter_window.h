#pragma once
// What the three curve plotters share: a table of controls, a list of curve options and the
// function that turns the chosen option and the boxes' texts into a drawing. "确定" draws the
// chosen curve on the board; the second button unloads the window.
#include <span>

#include <utility>
#include <vector>

#include "core/document/board_action.h"
#include "core/curves/drawing.h"
#include "forms/drawing_window.h"

class QRadioButton;

namespace curvana {

// A curve window's layout; its design name, caption and options are the catalogue's.
struct PlotterDesign {
    CurveWindow window;
    int clientWidth, clientHeight; // twips
    int screenLeft, screenTop; // twips, top-left corner of the client area
    std::span<const ControlRow> rows;
    const char* firstFocus; // the control that has the focus when the window opens
};

class PlotterWindow : public DrawingWindow {
    Q_OBJECT
public:
    // Every option the catalogue lists, "Command1" and "Command2" must be in its table; a table that
    // lacks one stops the program here.
    PlotterWindow(const PlotterDesign& design, BoardTarget& board, QWidget* parent = nullptr);

    // "确定": draws the selected curve and its caption; nothing when no option is selected.
    void drawCurve();
    // The second button: unloads the window; the next opening starts from the initial contents.
    void unload();

    // The number of the selected option, 0 when none is.
    int selectedOption() const;

private:
    const PlotterDesign& m_design;
    // The catalogue's options with their buttons, in the order they are tested.
    std::vector<std::pair<int, QRadioButton*>> m_options;
};

} // namespace curvana
