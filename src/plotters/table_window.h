#pragma once
// "列表描点": the textbook's three steps for a new function. A formula y = f(x) and the x values
// (from "x 从" by "步长", "个数" of them, each cell editable) fill a table of exact values; "描点(D)"
// puts the table's points on the board one after the other, "连线(L)" draws the function through
// them over the table's range, "全部(A)" does both; "复制表格" copies the table as tab-separated text.
// The formula's other letters ("a" in y = a x²) get rows below the table, as in 自定义函数: a
// moved value refills the table at once, and the buttons draw with the values the rows hold.
#include <QStringList>

#include "core/curves/value_table.h"
#include "forms/drawing_window.h"

class QTableWidget;

namespace curvana {

class ParameterRows;

class TableWindow final : public DrawingWindow {
    Q_OBJECT
public:
    explicit TableWindow(BoardTarget& board, QWidget* parent = nullptr);

    // Enter in a box: new x cells from the boxes when x 从, 步长 or 个数 changed since the last
    // fill (edited cells stay otherwise), then every y. False, with the message shown and the box
    // selected, when something cannot be read.
    bool fillTable();
    // The three buttons: one action on the board each, or the message and nothing drawn.
    void drawTable(bool points, bool curve);
    // "复制表格": the filled table on the clipboard as text.
    void copyTable();

    QTableWidget& grid() const { return *m_grid; }
    // The rows below the table that set the formula's letters, as in 自定义函数.
    ParameterRows& parameterRows() const { return *m_parameterRows; }
    // The x cells as they stand.
    FieldTexts xCells() const;

private:
    void setXCells(const std::vector<std::string>& xs);
    bool fillValues();
    void refillForValues();
    void showValues(const std::vector<TableColumn>& columns);
    void showProblem(const InputProblem& problem);
    std::string formula() const;
    void showParameterRows();
    void fitParameterRows();

    BoardTarget& m_board;
    QTableWidget* m_grid = nullptr;
    ParameterRows* m_parameterRows = nullptr;
    // The x 从, 步长 and 个数 texts the cells were last made from.
    QStringList m_filledFrom;
    bool m_filling = false;
};

} // namespace curvana
