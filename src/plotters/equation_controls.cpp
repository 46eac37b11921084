#include "plotters/equation_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace curvana {

RelationControls::RelationControls(FormTable& controls, QWidget* window)
    : m_objectiveLabel(controls.requireWidget("Label5"))
    , m_objective(controls.requireText("Text5"))
    , m_lineStyle(controls.requireCombo("Combo2"))
    , m_conicLines(new QCheckBox(QString::fromUtf8(kConicLinesRow.text), window))
{
    // Two fixed choices: a typed style would only be one more thing to get wrong.
    m_lineStyle.setEditable(false);
    m_lineStyle.setCurrentIndex(0);
    controls.adopt(QString::fromUtf8(kConicLinesRow.name), m_conicLines);
    QWidget::setTabOrder(&m_lineStyle, m_conicLines);
}

void RelationControls::showKind(FormulaKind kind)
{
    const bool inequality = kind == FormulaKind::Inequality;
    m_objectiveLabel.setVisible(inequality);
    m_objective.setVisible(inequality);
    m_conicLines->setVisible(kind == FormulaKind::Equation);
}

std::string RelationControls::objective() const { return m_objective.text().toStdString(); }

LineStyle RelationControls::lineStyle() const
{
    return m_lineStyle.currentIndex() == 1 ? LineStyle::Dashed : LineStyle::Solid;
}

bool RelationControls::conicLines() const { return m_conicLines->isChecked(); }

} // namespace curvana
