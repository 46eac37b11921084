#pragma once
// What the three curve plotters share: a table of controls, a list of curve options and the
// function that turns the chosen option and the boxes' texts into a drawing. "确定" draws the
// chosen curve on the board; the second button unloads the window.
#include <span>

#include "forms/drawing_window.h"
#include "core/drawing.h"

namespace curvana {

struct PlotterDesign {
    const char* name;     // object name, "Form2"
    const char* caption;  // window title
    int clientWidth, clientHeight;  // twips
    int screenLeft, screenTop;      // twips, top-left corner of the client area
    std::span<const ControlRow> rows;
    std::span<const int> options;   // the numbers of the Option buttons, in the order they are tested
    DrawingResult (*curve)(int option, const FieldTexts& texts);
    const char* firstFocus;         // the control that has the focus when the window opens
};

class PlotterWindow : public DrawingForm {
    Q_OBJECT
public:
    explicit PlotterWindow(const PlotterDesign& design, QWidget* parent = nullptr);

    // Draws the selected curve and its caption; nothing when no option is selected.
    void Command1_Click();
    // Unloads the window; the next opening starts from the initial contents.
    void Command2_Click();

    // The number of the selected option, 0 when none is.
    int selectedOption();

private:
    const PlotterDesign& m_design;
};

} // namespace curvana
