#pragma once
// "自定义函数": a formula typed in school notation, as y = f(x), as a parametric curve x = f(t),
// y = g(t), or in polar form r = f(θ), with the range of its variable and a pen colour. "确定"
// draws it with its caption under the earlier own formulas; a mistake is shown and selected in
// its box, and nothing is drawn.
#include "core/formula/formula.h"
#include "forms/drawing_window.h"
#include "plotters/equation_controls.h"

class QLineEdit;
class QRadioButton;

namespace curvana {

class MovingFormula;
class ParameterRows;

class FormulaWindow final : public DrawingWindow {
    Q_OBJECT
public:
    explicit FormulaWindow(BoardTarget& board, QWidget* parent = nullptr);

    // "确定": draws the formula, or shows why it cannot and selects the place in its box.
    void drawFormula();
    FormulaKind kind() const;
    ParameterRows& parameterRows() const { return *m_parameterRows; }

private:
    // Relabels the boxes for the chosen kind and resets an unchanged range to the kind's default.
    void showKind(FormulaKind kind);
    QLineEdit& box(FormulaBox box) const;
    void pointAt(const FormulaError& error);
    // An equation or inequality typed as y = f(x) ("x²+y²=4", "y>x²") is drawn as what it is.
    void switchToTypedKind();

    // The rows follow the letters of the formula boxes; the window grows to hold them.
    void showParameterRows();
    void fitParameterRows();
    // The window opened again goes on with the board's last own formula and its values.
    void resumeLastFormula();

    BoardTarget& m_board;
    RelationControls m_relation;
    FormulaKind m_shownKind = FormulaKind::Function;
    ParameterRows* m_parameterRows = nullptr;
    MovingFormula* m_moving = nullptr;
};

} // namespace curvana
