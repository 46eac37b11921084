#pragma once
// The own formula the window drew last, moved by its parameter rows: each change of a value
// redraws that same curve in place, and a whole gesture (a drag, a typed value, a play) becomes
// one step of the board's undo history. A value that leaves the curve without a point on the board
// is refused in its row, and the curve keeps its last good shape.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>

#include "core/document/board_action.h"

namespace curvana {

class BoardTarget;
class ParameterRows;

class MovingFormula final : public QObject {
    Q_OBJECT
public:
    MovingFormula(BoardTarget& board, ParameterRows& rows, QObject* parent = nullptr);

    // `action` was just drawn as object `id`: from now on the rows move it.
    void follow(std::uint64_t id, const FormulaAction& action);
    std::uint64_t objectId() const { return m_id; }

signals:
    // The curve the rows moved is no longer on the board (another board was opened, or its 确定
    // was undone) while the board shows another own formula: the window takes that one up.
    void followedCurveGone();

private:
    void move();
    void endGesture();
    // Undo, redo or an opened board may have changed the object: the rows show what it holds.
    void followBoard();
    // 轨迹: the curve's place before this move stays on the board, tinted.
    void leaveTrace(const FormulaAction& shown);

    BoardTarget& m_board;
    ParameterRows& m_rows;
    std::uint64_t m_id = 0;
    FormulaAction m_drawn;
    std::optional<BoardAction> m_before; // the object as the gesture found it
    std::optional<Drawing> m_shownDrawing; // what the board shows of m_drawn, once known
    QTimer m_watch;
};

} // namespace curvana
