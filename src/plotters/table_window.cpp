#include "plotters/table_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "core/curves/value_table.h"
#include "core/document/board_document.h"
#include "forms/board_target.h"
#include "forms/desktop_services.h"
#include "plotters/parameter_rows.h"

namespace curvana {
namespace {

constexpr Rgb kLabelRed = rgb(255, 0, 0);
constexpr FontSpec kLabelFont{12, true};
constexpr const char* kGridName = "Grid1";
constexpr int kXRow = 0;
constexpr int kYRow = 1;

// Tab order: the formula, the x values, the colour, the table, then the buttons.
const ControlRow kRows[] = {
    {Ctl::Label, "Label1", nullptr, "y =", 120, 150, 615, 300, -1, kLabelRed, kLabelFont},
    {Ctl::Text, "Text1", nullptr, "", 780, 120, 6000, 300, 0},
    {Ctl::Label, "Label2", nullptr, "x 从", 120, 570, 615, 300},
    {Ctl::Text, "Text2", nullptr, kTableDefaultFrom, 780, 540, 900, 300, 1},
    {Ctl::Label, "Label3", nullptr, "步长", 1860, 570, 555, 300},
    {Ctl::Text, "Text3", nullptr, kTableDefaultStep, 2460, 540, 900, 300, 2},
    {Ctl::Label, "Label4", nullptr, "个数", 3540, 570, 555, 300},
    {Ctl::Text, "Text4", nullptr, kTableDefaultCount, 4140, 540, 600, 300, 3},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 4920, 540, 1860, 300, 4},
    {Ctl::Custom, kGridName, nullptr, nullptr, 120, 1020, 6660, 1230, 5},
    {Ctl::Button, "Command1", nullptr, "描点(&D)", 120, 2400, 1200, 375, 6},
    {Ctl::Button, "Command2", nullptr, "连线(&L)", 1440, 2400, 1200, 375, 7},
    {Ctl::Button, "Command3", nullptr, "全部(&A)", 2760, 2400, 1200, 375, 8},
    {Ctl::Button, "Command4", nullptr, "复制表格", 4080, 2400, 1320, 375, 9},
    {Ctl::Button, "Command5", nullptr, "返回", 5580, 2400, 1200, 375, 10},
};
constexpr int kClientWidth = 6900;
constexpr int kClientHeight = 2895;
// Right of the board, where the figure dialogs open, below them.
constexpr int kScreenLeft = 9045;
constexpr int kScreenTop = 4200;
// A column wide enough for "−10" or "≈0.8415" at a glance; wider values widen their column.
constexpr int kShortestColumnPixels = 44;
constexpr const char* kRangeBoxes[] = {"Text2", "Text3", "Text4"};

QTableWidget* makeGrid(QWidget* parent)
{
    auto* grid = new QTableWidget(2, 0, parent);
    grid->setVerticalHeaderLabels({QStringLiteral("x"), QStringLiteral("y")});
    grid->horizontalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(kShortestColumnPixels);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // A typed key or a double click edits an x cell, as in a spreadsheet.
    grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    return grid;
}

} // namespace

TableWindow::TableWindow(BoardTarget& board, QWidget* parent)
    : DrawingWindow(board, QString::fromUtf8(tableWindowEntry().caption), kClientWidth, kClientHeight, kRows, parent)
    , m_board(board)
    , m_grid(makeGrid(this))
{
    setObjectName(QString::fromUtf8(tableWindowEntry().designName));
    controls().adopt(QString::fromUtf8(kGridName), m_grid);
    m_parameterRows = new ParameterRows(this, false);
    connect(m_parameterRows, &ParameterRows::heightChanged, this, &TableWindow::fitParameterRows);
    // A moved value refills the y row as it moves; only the buttons put anything on the board.
    connect(m_parameterRows, &ParameterRows::valuesChanged, this, &TableWindow::refillForValues);
    connect(&controls().requireText("Text1"), &QLineEdit::textChanged, this, &TableWindow::showParameterRows);
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
        connect(&controls().requireText(name), &QLineEdit::returnPressed, this, &TableWindow::fillTable);
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->row() == kXRow)
            fillValues();
    });
    const auto onClick = [this](const char* button, auto handler) {
        connect(&controls().requireButton(button), &QPushButton::clicked, this, handler);
    };
    onClick("Command1", [this] { drawTable(true, false); });
    onClick("Command2", [this] { drawTable(false, true); });
    onClick("Command3", [this] { drawTable(true, true); });
    onClick("Command4", [this] { copyTable(); });
    onClick("Command5", [this] { close(); });
    QWidget::setTabOrder(controls().widget(QStringLiteral("Combo1")), m_grid);
    QWidget::setTabOrder(m_grid, &controls().requireButton("Command1"));
    setXCells(std::get<std::vector<std::string>>(tableXs(fieldTexts())));
    for (const char* name : kRangeBoxes)
        m_filledFrom << controls().requireText(name).text();
    controls().requireText("Text1").setFocus();
    placeAtTwips(kScreenLeft, kScreenTop);
}

std::string TableWindow::formula() const { return controls().requireText("Text1").text().toStdString(); }

void TableWindow::showParameterRows()
{
    m_parameterRows->showNames(parameterNames(formula(), formulaVocabulary(FormulaKind::Function, FormulaBox::First)));
    QWidget* previous = &controls().requireText("Text1");
    for (QWidget* next : m_parameterRows->tabOrder()) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void TableWindow::fitParameterRows() { m_parameterRows->fitWindowAround(kClientWidth, kClientHeight); }

FieldTexts TableWindow::xCells() const
{
    FieldTexts xs;
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        const QTableWidgetItem* item = m_grid->item(kXRow, column);
        xs.push_back(item ? item->text().toStdString() : std::string());
    }
    return xs;
}

void TableWindow::setXCells(const std::vector<std::string>& xs)
{
    m_filling = true;
    m_grid->setColumnCount(static_cast<int>(xs.size()));
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        auto* x = new QTableWidgetItem(QString::fromStdString(xs[column]));
        x->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(kXRow, column, x);
        auto* y = new QTableWidgetItem();
        y->setTextAlignment(Qt::AlignCenter);
        y->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_grid->setItem(kYRow, column, y);
    }
    m_filling = false;
}

bool TableWindow::fillTable()
{
    QStringList source;
    for (const char* name : kRangeBoxes)
        source << controls().requireText(name).text();
    if (source != m_filledFrom) {
        const auto xs = tableXs(fieldTexts());
        if (const auto* problem = std::get_if<InputProblem>(&xs)) {
            showProblem(*problem);
            return false;
        }
        setXCells(std::get<std::vector<std::string>>(xs));
        m_filledFrom = source;
    }
    return fillValues();
}

bool TableWindow::fillValues()
{
    const auto table = valueTable(formula(), xCells(), m_parameterRows->parameters());
    if (const auto* problem = std::get_if<InputProblem>(&table)) {
        showProblem(*problem);
        return false;
    }
    showValues(std::get<std::vector<TableColumn>>(table));
    return true;
}

void TableWindow::refillForValues()
{
    // A slider sends many values a second: a table that cannot be filled waits for Enter or a button
    // to say why, rather than a message at every step.
    const auto table = valueTable(formula(), xCells(), m_parameterRows->parameters());
    if (const auto* columns = std::get_if<std::vector<TableColumn>>(&table))
        showValues(*columns);
}

void TableWindow::showValues(const std::vector<TableColumn>& columns)
{
    m_filling = true;
    for (int column = 0; column < m_grid->columnCount(); ++column)
        m_grid->item(kYRow, column)->setText(QString::fromStdString(columns[static_cast<std::size_t>(column)].y));
    m_filling = false;
    m_grid->resizeColumnsToContents();
}

void TableWindow::drawTable(bool points, bool curve)
{
    if (!fillTable())
        return;
    const TableAction action{formula(), xCells(), colourText(), points, curve, m_parameterRows->parameters()};
    const DrawingResult check = checkedDrawing(action);
    if (const auto* problem = std::get_if<InputProblem>(&check)) {
        showProblem(*problem);
        return;
    }
    m_board.perform(action);
}

void TableWindow::copyTable()
{
    if (!fillTable())
        return;
    const auto table = valueTable(formula(), xCells(), m_parameterRows->parameters());
    if (const auto* columns = std::get_if<std::vector<TableColumn>>(&table))
        QGuiApplication::clipboard()->setText(QString::fromStdString(tableAsText(*columns)));
}

void TableWindow::showProblem(const InputProblem& problem)
{
    m_board.services().showMessage(
        this, {windowTitle(), QString::fromStdString(problem.message), QMessageBox::Warning});
    if (problem.field >= kFirstCellField) {
        const int column = problem.field - kFirstCellField;
        m_grid->setFocus();
        m_grid->setCurrentCell(kXRow, column);
        m_grid->editItem(m_grid->item(kXRow, column));
        return;
    }
    QLineEdit& box = controls().requireText(QStringLiteral("Text%1").arg(problem.field + 1).toUtf8().constData());
    box.setFocus();
    box.selectAll();
}

} // namespace curvana
