#pragma once
// What every plotter window and figure dialog shares: controls built from a table, the texts of
// its boxes, the pen colour from its combo, and handing an action (or the reason there is none)
// to the board it was given.
#include <QWidget>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/document/board_action.h"
#include "core/curves/drawing.h"
#include "core/text/pen_colour.h"
#include "forms/form_table.h"

class QComboBox;
class QKeySequence;
class QLineEdit;

namespace curvana {

class BoardTarget;

class DrawingWindow : public QWidget {
    Q_OBJECT
public:
    // `clientWidth` and `clientHeight` in twips. `board` outlives the window. The table must hold
    // its boxes as Text1, Text2, ... without gaps and one colour combo; a table that does not
    // stops the program here.
    DrawingWindow(BoardTarget& board, const QString& caption, int clientWidth, int clientHeight,
        std::span<const ControlRow> rows, QWidget* parent = nullptr);

    FormTable& controls() { return *m_controls; }
    const FormTable& controls() const { return *m_controls; }
    // The texts of the boxes in order (Text1 first), as typed.
    FieldTexts fieldTexts() const;
    // The text of the colour combo, as typed or chosen.
    std::string colourText() const;

    // `check` is what the action's drawing function made of the boxes. When it drew, hands the
    // board `action` as one step (the board draws it again from the action) and returns true; for
    // an input problem shows its message, focuses and selects the box it names, hands the board
    // nothing and returns false.
    bool drawOnBoard(const BoardAction& action, const DrawingResult& check);

    // Places the top-left corner of the client area at a screen position given in twips.
    void placeAtTwips(int left, int top);

private:
    void addBoardEditKey(const QKeySequence& key, void (QLineEdit::*editText)(), void (BoardTarget::*editBoard)());

    BoardTarget& m_board;
    std::unique_ptr<FormTable> m_controls;
    std::vector<QLineEdit*> m_fields;
    QComboBox* m_colourChoice = nullptr;
};

} // namespace curvana
