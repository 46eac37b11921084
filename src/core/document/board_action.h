#pragma once
// What a user did on the board, kept as data. Replaying the actions in order draws the board
// again, dot for dot: a curve or figure is redrawn from the texts its window had, a stroke from
// its points, a clear wipes the board and draws the axes again.
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "core/curves/curves.h"
#include "core/curves/drawing.h"
#include "core/formula/formula.h"
#include "core/text/pen_colour.h"

namespace curvana {

// "确定" in a curve window: the chosen option, the texts of its boxes exactly as typed (Text1
// first) and the text of its colour combo.
struct CurveAction {
    CurveWindow window = CurveWindow::Elementary;
    int option = 0;
    FieldTexts texts;
    std::string colour;
    friend bool operator==(const CurveAction&, const CurveAction&) = default;
};

// "确定" in a figure dialog: the figure, the texts of its boxes and the text of its colour combo.
struct FigureAction {
    FigureKind figure = FigureKind::Point;
    FieldTexts texts;
    std::string colour;
    friend bool operator==(const FigureAction&, const FigureAction&) = default;
};

// A pen dot in world coordinates, in the single precision the surface stores it in. Keeping the
// float itself (not a double that was once rounded to one) means the live board, a replay and a
// saved board hold bit-for-bit the same dots whatever the optimiser does with a cast.
struct StrokePoint {
    float x = 0;
    float y = 0;
    friend bool operator==(const StrokePoint&, const StrokePoint&) = default;
};

// Dots of one colour, in the order the pen set them. The pen reads its colour on every move, so
// one stroke may change colour part-way.
struct StrokeRun {
    Rgb colour = kBlack;
    std::vector<StrokePoint> points;
    friend bool operator==(const StrokeRun&, const StrokeRun&) = default;
};

// One freehand stroke, from pressing a mouse button to releasing it.
struct StrokeAction {
    std::vector<StrokeRun> runs;
    friend bool operator==(const StrokeAction&, const StrokeAction&) = default;
};

// "清除": the board wiped and the axes drawn again.
struct ClearAction {
    friend bool operator==(const ClearAction&, const ClearAction&) = default;
};

// "确定" in the text dialog: the texts of its boxes (x, y, the text itself) and of its colour combo.
struct LabelAction {
    FieldTexts texts;
    std::string colour;
    friend bool operator==(const LabelAction&, const LabelAction&) = default;
};

// "确定" in the own-formula window: the kind, the boxes exactly as typed (`second` is the "y ="
// box of a parametric curve, empty otherwise), the colour combo's text, and the line its caption
// stands on: the number of own formulas drawn before it since the board was last cleared.
struct FormulaAction {
    FormulaKind kind = FormulaKind::Function;
    std::string first;
    std::string second;
    std::string from;
    std::string to;
    std::string colour;
    int captionLine = 0;
    // The value, range and step of each letter that stands for a number, in the order they appear.
    FormulaParameters parameters = {};
    // Equations and inequalities: the "目标函数 z =" box (inequalities only, may be empty), the
    // line style ("实线" / "虚线", any kind) and the "渐近线与准线" check box (equations only).
    std::string objective = {};
    LineStyle lineStyle = LineStyle::Solid;
    bool conicLines = false;
    friend bool operator==(const FormulaAction&, const FormulaAction&) = default;
};

// "描点", "连线" or "全部" in the window 列表描点: the formula and the table's x cells as typed, the
// colour combo's text, and which steps it draws (全部: both, the points first).
struct TableAction {
    std::string formula;
    FieldTexts xs;
    std::string colour;
    bool points = true;
    bool curve = false;
    FormulaParameters parameters = {}; // the values the formula's other letters stand for
    friend bool operator==(const TableAction&, const TableAction&) = default;
};

// "确定" in the named-point dialog, or a pinned special point: the texts {name, x, y} and the colour.
struct NamedPointAction {
    FieldTexts texts;
    std::string colour;
    friend bool operator==(const NamedPointAction&, const NamedPointAction&) = default;
};

// How a failing test comparison shows an action: its kind and every field, texts quoted as typed.
void PrintTo(const CurveAction& action, std::ostream* out);
void PrintTo(const FigureAction& action, std::ostream* out);
void PrintTo(const StrokeRun& run, std::ostream* out);
void PrintTo(const StrokeAction& action, std::ostream* out);
void PrintTo(const ClearAction& action, std::ostream* out);
void PrintTo(const LabelAction& action, std::ostream* out);
void PrintTo(const FormulaAction& action, std::ostream* out);
void PrintTo(const TableAction& action, std::ostream* out);
void PrintTo(const NamedPointAction& action, std::ostream* out);

using BoardAction = std::variant<CurveAction, FigureAction, StrokeAction, ClearAction, LabelAction, FormulaAction,
    TableAction, NamedPointAction>;

} // namespace curvana
