#include "plotters/formula_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>

#include "core/document/board_document.h"
#include "core/equations/linear_program.h"
#include "core/equations/relation.h"
#include "forms/board_target.h"
#include "forms/desktop_services.h"
#include "plotters/moving_formula.h"
#include "plotters/parameter_rows.h"

namespace curvana {
namespace {

constexpr Rgb kLabelRed = rgb(255, 0, 0);
constexpr FontSpec kLabelFont{12, true};

// Tab order: the formula boxes, the colour, the range, "确定", "返回"; the kinds come last, so
// the keys go first where the typing is.
const ControlRow kRows[] = {
    {Ctl::Frame, "Frame1", nullptr, "函数类型", 120, 60, 5760, 600},
    {Ctl::Option, "Option1", "Frame1", "y = f(x)", 120, 270, 1140, 270, 7},
    {Ctl::Option, "Option2", "Frame1", "参数方程", 1290, 270, 1260, 270, 8},
    {Ctl::Option, "Option3", "Frame1", "极坐标", 2580, 270, 1080, 270, 9},
    {Ctl::Option, "Option4", "Frame1", "方程", 3690, 270, 840, 270, 9},
    {Ctl::Option, "Option5", "Frame1", "不等式", 4560, 270, 1080, 270, 9},
    {Ctl::Label, "Label1", nullptr, "y =", 120, 780, 795, 300, -1, kLabelRed, kLabelFont},
    {Ctl::Text, "Text1", nullptr, "", 960, 780, 4920, 300, 0},
    {Ctl::Label, "Label2", nullptr, "y =", 120, 1200, 795, 300, -1, kLabelRed, kLabelFont},
    {Ctl::Text, "Text2", nullptr, "", 960, 1200, 4920, 300, 1},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 120, 1680, 1695, 300, 2},
    {Ctl::Label, "Label3", nullptr, "x 从", 2040, 1710, 615, 300},
    {Ctl::Text, "Text3", nullptr, "-10", 2700, 1680, 1215, 300, 3},
    {Ctl::Label, "Label4", nullptr, "到", 4080, 1710, 375, 300},
    {Ctl::Text, "Text4", nullptr, "10", 4500, 1680, 1380, 300, 4},
    kObjectiveLabelRow,
    kObjectiveTextRow,
    kLineStyleLabelRow,
    kLineStyleComboRow,
    kConicLinesRow,
    {Ctl::Button, "Command1", nullptr, "确定", 3720, 2220 + kLineStyleRowHeight, 975, 375, 5},
    {Ctl::Button, "Command2", nullptr, "返回", 4905, 2220 + kLineStyleRowHeight, 975, 375, 6},
};
constexpr int kClientWidth = 6000;
constexpr int kClientHeight = 2760 + kLineStyleRowHeight;
// Under the elementary-function plotter, left of and below the board's drawing.
constexpr int kScreenLeft = 60;
constexpr int kScreenTop = 8280;

constexpr std::array kKinds{
    FormulaKind::Function, FormulaKind::Parametric, FormulaKind::Polar, FormulaKind::Equation, FormulaKind::Inequality};
constexpr std::array kOptionNames{"Option1", "Option2", "Option3", "Option4", "Option5"}; // by FormulaKind
constexpr std::array kBoxNames{"Text1", "Text2", "Text3", "Text4", "Text5"}; // by FormulaBox

struct KindLabels {
    const char* first;
    const char* variable;
};
KindLabels labelsOf(FormulaKind kind)
{
    switch (kind) {
    case FormulaKind::Parametric:
        return {"x =", "t 从"};
    case FormulaKind::Polar:
        return {"r =", "θ 从"};
    case FormulaKind::Equation:
        return {"方程", "x 从"};
    case FormulaKind::Inequality:
        return {"不等式", "x 从"};
    case FormulaKind::Function:
        break;
    }
    return {"y =", "x 从"};
}

// The UTF-16 index in `text` of the code point numbered `codePoint` (or the end).
int utf16Index(const QString& text, int codePoint)
{
    int index = 0;
    for (int counted = 0; counted < codePoint && index < text.size(); ++counted)
        index += text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    return index;
}

} // namespace

FormulaWindow::FormulaWindow(BoardTarget& board, QWidget* parent)
    : DrawingWindow(board, QString::fromUtf8(formulaWindowEntry().caption), kClientWidth, kClientHeight, kRows, parent)
    , m_board(board)
    , m_relation(controls(), this)
{
    setObjectName(QString::fromUtf8(formulaWindowEntry().designName));
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        QRadioButton& option = controls().requireOption(kOptionNames[i]);
        const FormulaKind kind = kKinds[i];
        connect(&option, &QRadioButton::toggled, this, [this, kind](bool on) {
            if (on)
                showKind(kind);
        });
    }
    controls().requireOption(kOptionNames[0]).setChecked(true);
    for (const char* name : kBoxNames)
        connect(&controls().requireText(name), &QLineEdit::returnPressed, this, &FormulaWindow::drawFormula);
    connect(&controls().requireButton("Command1"), &QPushButton::clicked, this, &FormulaWindow::drawFormula);
    connect(&controls().requireButton("Command2"), &QPushButton::clicked, this, &QWidget::close);
    showKind(FormulaKind::Function);
    m_parameterRows = new ParameterRows(this);
    m_moving = new MovingFormula(board, *m_parameterRows, this);
    connect(m_moving, &MovingFormula::followedCurveGone, this, &FormulaWindow::resumeLastFormula);
    connect(m_parameterRows, &ParameterRows::heightChanged, this, &FormulaWindow::fitParameterRows);
    for (const FormulaBox formula : {FormulaBox::First, FormulaBox::Second})
        connect(&box(formula), &QLineEdit::textChanged, this, &FormulaWindow::showParameterRows);
    connect(&m_relation.objectiveBox(), &QLineEdit::textChanged, this, &FormulaWindow::showParameterRows);
    resumeLastFormula();
    box(FormulaBox::First).setFocus();
    placeAtTwips(kScreenLeft, kScreenTop);
    keepFrameOnScreen(this);
}

FormulaKind FormulaWindow::kind() const
{
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (controls().requireOption(kOptionNames[i]).isChecked())
            return kKinds[i];
    return FormulaKind::Function;
}

QLineEdit& FormulaWindow::box(FormulaBox which) const
{
    return controls().requireText(kBoxNames.at(static_cast<std::size_t>(which)));
}

void FormulaWindow::showKind(FormulaKind kind)
{
    const KindLabels labels = labelsOf(kind);
    controls().label(QStringLiteral("Label1"))->setText(QString::fromUtf8(labels.first));
    controls().label(QStringLiteral("Label3"))->setText(QString::fromUtf8(labels.variable));
    const bool parametric = kind == FormulaKind::Parametric;
    controls().label(QStringLiteral("Label2"))->setVisible(parametric);
    box(FormulaBox::Second).setVisible(parametric);
    // An equation or inequality is drawn over the whole board: it has no range of its own.
    const bool ranged = kind != FormulaKind::Equation && kind != FormulaKind::Inequality;
    for (const char* name : {"Label3", "Text3", "Label4", "Text4"})
        controls().requireWidget(name).setVisible(ranged);
    m_relation.showKind(kind);
    const FormulaRangeTexts before = defaultFormulaRange(m_shownKind);
    QLineEdit& from = box(FormulaBox::From);
    QLineEdit& to = box(FormulaBox::To);
    if (from.text().toStdString() == before.from && to.text().toStdString() == before.to) {
        const FormulaRangeTexts range = defaultFormulaRange(kind);
        from.setText(QString::fromStdString(range.from));
        to.setText(QString::fromStdString(range.to));
    }
    m_shownKind = kind;
    if (m_parameterRows)
        showParameterRows();
}

void FormulaWindow::showParameterRows()
{
    std::vector<std::string> names;
    const auto add = [&names](std::vector<std::string> found) {
        for (std::string& name : found)
            if (std::ranges::find(names, name) == names.end())
                names.push_back(std::move(name));
    };
    const FormulaKind chosen = kind();
    const std::string first = box(FormulaBox::First).text().toStdString();
    if (chosen == FormulaKind::Equation || chosen == FormulaKind::Inequality)
        add(relationParameterNames(first));
    else
        add(parameterNames(first, formulaVocabulary(chosen, FormulaBox::First)));
    if (chosen == FormulaKind::Parametric)
        add(parameterNames(
            box(FormulaBox::Second).text().toStdString(), formulaVocabulary(chosen, FormulaBox::Second)));
    // The objective's letters after the inequalities': z = a x + y turns with a's slider.
    if (chosen == FormulaKind::Inequality)
        add(parameterNames(m_relation.objective(), objectiveVocabulary(true)));
    m_parameterRows->showNames(names);
    // Tab goes from the formula box into the rows, row by row, and on to the rest.
    QWidget* previous = &box(chosen == FormulaKind::Parametric ? FormulaBox::Second : FormulaBox::First);
    for (QWidget* next : m_parameterRows->tabOrder()) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void FormulaWindow::fitParameterRows() { m_parameterRows->fitWindowAround(kClientWidth, kClientHeight); }

void FormulaWindow::resumeLastFormula()
{
    const auto last = m_board.lastFormula();
    if (!last || last->second.parameters.empty())
        return;
    const FormulaAction& formula = last->second;
    controls().requireOption(kOptionNames.at(static_cast<std::size_t>(formula.kind))).setChecked(true);
    m_parameterRows->setParameters(formula.parameters);
    box(FormulaBox::First).setText(QString::fromStdString(formula.first));
    box(FormulaBox::Second).setText(QString::fromStdString(formula.second));
    box(FormulaBox::From).setText(QString::fromStdString(formula.from));
    box(FormulaBox::To).setText(QString::fromStdString(formula.to));
    m_relation.objectiveBox().setText(QString::fromStdString(formula.objective));
    m_moving->follow(last->first, formula);
}

void FormulaWindow::drawFormula()
{
    switchToTypedKind();
    const FormulaKind chosen = kind();
    const auto text = [this](FormulaBox which) { return box(which).text().toStdString(); };
    FormulaAction action{chosen, text(FormulaBox::First),
        chosen == FormulaKind::Parametric ? text(FormulaBox::Second) : std::string(), text(FormulaBox::From),
        text(FormulaBox::To), colourText(), m_board.formulaCaptionLine(), m_parameterRows->parameters()};
    action.objective = chosen == FormulaKind::Inequality ? m_relation.objective() : std::string();
    action.lineStyle = m_relation.lineStyle();
    action.conicLines = chosen == FormulaKind::Equation && m_relation.conicLines();
    auto drawing = checkedDrawing(action);
    if (const auto* error = std::get_if<FormulaError>(&drawing)) {
        pointAt(*error);
        return;
    }
    if (drawOnBoard(action, std::get<Drawing>(std::move(drawing))))
        m_moving->follow(m_board.lastObjectId(), action);
}

void FormulaWindow::switchToTypedKind()
{
    if (kind() != FormulaKind::Function)
        return;
    const RelationKind typed = relationKindOf(box(FormulaBox::First).text().toStdString());
    if (typed == RelationKind::None)
        return;
    const std::size_t index = typed == RelationKind::Equation ? 3 : 4;
    controls().requireOption(kOptionNames[index]).setChecked(true);
}

void FormulaWindow::pointAt(const FormulaError& error)
{
    m_board.services().showMessage(this, {windowTitle(), QString::fromStdString(error.message), QMessageBox::Warning});
    QLineEdit& faulty = box(error.box);
    const QString text = faulty.text();
    const int start = utf16Index(text, error.start);
    faulty.setFocus();
    faulty.setSelection(start, utf16Index(text, error.start + error.length) - start);
}

} // namespace curvana
