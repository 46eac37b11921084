#include "forms/drawing_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <charconv>
#include <cstring>

#include "forms/board_target.h"
#include "forms/desktop_services.h"

namespace curvana {
namespace {

// The number of a box named "Text<n>", 0 for any other name.
int fieldNumber(const char* name)
{
    constexpr std::string_view prefix = "Text";
    if (std::strncmp(name, prefix.data(), prefix.size()) != 0)
        return 0;
    const char* digits = name + prefix.size();
    const char* end = digits + std::strlen(digits);
    int number = 0;
    const auto [rest, error] = std::from_chars(digits, end, number);
    return error == std::errc() && rest == end ? number : 0;
}

// The text box the keyboard is in, an editable combo's included; null when there is none.
QLineEdit* focusedTextBox()
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(focus);
}

} // namespace

DrawingWindow::DrawingWindow(BoardTarget& board, const QString& caption, int clientWidth, int clientHeight,
    std::span<const ControlRow> rows, QWidget* parent)
    // A dialog is transient for the board it is given, so a window manager keeps it in front of the
    // board, also when the board is clicked or fills the screen; a plain window falls behind.
    : QWidget(parent, Qt::Dialog)
    , m_board(board)
    , m_controls(std::make_unique<FormTable>(this, rows))
{
    setWindowTitle(caption);
    setClientTwips(this, clientWidth, clientHeight);
    const auto boxes = m_controls->rowsOf(Ctl::Text);
    m_fields.assign(boxes.size(), nullptr);
    for (const ControlRow* row : boxes) {
        const int number = fieldNumber(row->name);
        if (number < 1 || number > static_cast<int>(boxes.size()) || m_fields[number - 1])
            qFatal("Curvana: the box %s of window %s is out of the Text1, Text2, ... sequence", row->name,
                qPrintable(caption));
        m_fields[number - 1] = &m_controls->requireText(row->name);
    }
    const auto combos = m_controls->rowsOf(Ctl::ColourCombo);
    if (combos.size() != 1)
        qFatal("Curvana: window %s needs exactly one colour combo", qPrintable(caption));
    m_colourChoice = &m_controls->requireCombo(combos.front()->name);
    addBoardEditKey(QKeySequence(Qt::CTRL | Qt::Key_Z), &QLineEdit::undo, &BoardTarget::undo);
    addBoardEditKey(QKeySequence(Qt::CTRL | Qt::Key_Y), &QLineEdit::redo, &BoardTarget::redo);
}

void DrawingWindow::addBoardEditKey(
    const QKeySequence& key, void (QLineEdit::*editText)(), void (BoardTarget::*editBoard)())
{
    // A text box claims the undo keys it knows before a shortcut sees them; one that leaves a key
    // to the window (Ctrl+Y is redo only on some desktops) still gets it here, so inside a box the
    // keys always edit its text and elsewhere they act on the board.
    auto* action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, editText, editBoard] {
        if (QLineEdit* box = focusedTextBox(); box && isAncestorOf(box))
            (box->*editText)();
        else
            (m_board.*editBoard)();
    });
    addAction(action);
}

FieldTexts DrawingWindow::fieldTexts() const
{
    FieldTexts texts;
    for (const QLineEdit* box : m_fields)
        texts.push_back(box->text().toStdString());
    return texts;
}

std::string DrawingWindow::colourText() const { return m_colourChoice->currentText().toStdString(); }

bool DrawingWindow::drawOnBoard(const BoardAction& action, const DrawingResult& check)
{
    if (const auto* problem = std::get_if<InputProblem>(&check)) {
        m_board.services().showMessage(
            this, {windowTitle(), QString::fromStdString(problem->message), QMessageBox::Warning});
        if (problem->field >= 0 && problem->field < static_cast<int>(m_fields.size())) {
            m_fields[problem->field]->setFocus();
            m_fields[problem->field]->selectAll();
        }
        return false;
    }
    m_board.perform(action);
    return true;
}

void DrawingWindow::placeAtTwips(int left, int top) { placeClientAtTwips(this, left, top); }

} // namespace curvana
