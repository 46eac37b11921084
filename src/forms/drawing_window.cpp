#include "forms/drawing_window.h"

#include <QComboBox>
#include <QLineEdit>

#include "board/board_window.h"
#include "forms/desktop_services.h"

namespace curvana {

DrawingForm::DrawingForm(const QString& caption, int clientWidth, int clientHeight,
                         std::span<const ControlRow> rows, QWidget* parent)
    : QWidget(parent, Qt::Window), m_controls(std::make_unique<FormTable>(this, rows))
{
    setWindowTitle(caption);
    setClientTwips(this, clientWidth, clientHeight);
}

FieldTexts DrawingForm::fieldTexts() const
{
    FieldTexts texts;
    for (int i = 1;; ++i) {
        const QLineEdit* box = m_controls->text(QStringLiteral("Text%1").arg(i));
        if (!box)
            return texts;
        texts.push_back(box->text().toStdString());
    }
}

Rgb DrawingForm::penColour() const
{
    const QComboBox* combo = m_controls->combo(QStringLiteral("Combo1"));
    return combo ? penColourOrBlack(combo->currentText().toStdString()) : kBlack;
}

bool DrawingForm::drawOnBoard(const DrawingResult& result)
{
    if (const auto* problem = std::get_if<InputProblem>(&result)) {
        showMessage(this, {windowTitle(), QString::fromStdString(problem->message), QMessageBox::Warning});
        if (QLineEdit* box = m_controls->text(QStringLiteral("Text%1").arg(problem->field + 1))) {
            box->setFocus();
            box->selectAll();
        }
        return false;
    }
    Form1* board = Form1::instance();
    if (!board)
        return false;
    board->Picture1->surface().beginAction();
    board->Picture1->surface().draw(std::get<Drawing>(result), penColour());
    return true;
}

void DrawingForm::PrintAt(float x, float y, const QString& text)
{
    if (Form1* board = Form1::instance())
        board->PrintAt(x, y, text);
}

void DrawingForm::PlotDot(float x, float y, Rgb colour)
{
    if (Form1* board = Form1::instance())
        board->PlotDot(x, y, colour);
}

void DrawingForm::placeAtTwips(int left, int top)
{
    placeClientAtTwips(this, left, top);
}

} // namespace curvana
