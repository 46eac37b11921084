#pragma once
// What the 方程 and 不等式 kinds add to the own-formula window: the "目标函数 z =" box (where a
// parametric curve's "y =" box stands, which 不等式 never shows), the line style "实线" / "虚线"
// for every kind, and the "渐近线与准线" check box of a recognised conic. The rows are part of the
// window's table; this class finds them, shows those of the chosen kind and reads them.
#include <string>

#include "core/curves/drawing.h"
#include "core/formula/formula.h"
#include "forms/form_table.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace curvana {

// Twips the window grows by for the line-style row, which goes above "确定" and "返回".
inline constexpr int kLineStyleRowHeight = 420;
// The line-style row's top, where "确定" and "返回" stood before.
inline constexpr int kLineStyleRowTop = 2220;

// The rows, for the window's table; Text5 and Combo2 take tab places after the window's own.
inline constexpr ControlRow kObjectiveLabelRow{
    Ctl::Label, "Label5", nullptr, "目标函数 z =", 120, 1230, 1395, 300, -1, {}, {}};
inline constexpr ControlRow kObjectiveTextRow{Ctl::Text, "Text5", nullptr, "", 1560, 1200, 4320, 300, 10};
inline constexpr ControlRow kLineStyleLabelRow{
    Ctl::Label, "Label6", nullptr, "线型", 120, kLineStyleRowTop + 30, 615, 300, -1, {}, {}};
inline constexpr ControlRow kLineStyleComboRow{
    Ctl::Combo, "Combo2", nullptr, "实线", 780, kLineStyleRowTop, 1095, 300, 11, {}, {}, nullptr, "实线|虚线"};
inline constexpr ControlRow kConicLinesRow{
    Ctl::Custom, "Check1", nullptr, "渐近线与准线", 2040, kLineStyleRowTop, 2400, 300, 12, {}, {}};

class RelationControls {
public:
    // Finds the rows in `controls` and makes the check box, which the table leaves to its window.
    RelationControls(FormTable& controls, QWidget* window);

    // Shows the rows the kind uses: the objective for 不等式, the check box for 方程.
    void showKind(FormulaKind kind);

    std::string objective() const;
    LineStyle lineStyle() const;
    bool conicLines() const;
    QLineEdit& objectiveBox() const { return m_objective; }

private:
    QWidget& m_objectiveLabel;
    QLineEdit& m_objective;
    QComboBox& m_lineStyle;
    QCheckBox* m_conicLines;
};

} // namespace curvana
