#pragma once
// What every plotter window and figure dialog shares: controls built from a table, the texts of
// its boxes, the pen colour from its combo, and handing a drawing (or the reason there is none)
// to the board.
#include <QWidget>
#include <memory>
#include <span>

#include "forms/form_table.h"
#include "core/drawing.h"
#include "core/pen_colour.h"

namespace curvana {

class DrawingForm : public QWidget {
    Q_OBJECT
public:
    // `clientWidth` and `clientHeight` in twips.
    DrawingForm(const QString& caption, int clientWidth, int clientHeight, std::span<const ControlRow> rows,
                QWidget* parent = nullptr);

    FormTable& controls() { return *m_controls; }
    // The texts of Text1, Text2, ... as typed.
    FieldTexts fieldTexts() const;
    // The colour of `Combo1`: exact name match, otherwise black.
    Rgb penColour() const;

    // Draws `result` on the board as one action and returns true; for an input problem shows its
    // message, focuses and selects the box it names, draws nothing and returns false.
    bool drawOnBoard(const DrawingResult& result);

    // The window's own procedures, addressing the board's surface.
    void PrintAt(float x, float y, const QString& text);
    void PlotDot(float x, float y, Rgb colour);

    // Places the top-left corner of the client area at a screen position given in twips.
    void placeAtTwips(int left, int top);

private:
    std::unique_ptr<FormTable> m_controls;
};

} // namespace curvana
