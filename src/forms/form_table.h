#pragma once
// Builds a window's controls from a table of rows placed in twips (15 twips = 1 logical pixel)
// and finds them again by their names ("Text1", "Label1_0", "Option3").
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>
#include <span>
#include <vector>

#include "core/text/pen_colour.h"

class QComboBox;
class QLineEdit;
class QLabel;
class QPushButton;
class QRadioButton;

namespace curvana {

enum class Ctl { Label, Text, ColourCombo, Combo, Button, Option, Frame, Custom };

struct FontSpec {
    double points = 0; // 0: the window's font
    bool bold = false;
    bool underline = false;
};

struct ControlRow {
    Ctl kind;
    const char* name;
    const char* container; // nullptr: the window itself
    const char* text; // caption or initial text
    int left, top, width, height;
    int tab = -1; // tab order, -1 when the control takes no focus
    std::optional<Rgb> colour = {};
    FontSpec font = {};
    const char* tooltip = nullptr;
    const char* items = nullptr; // combo list, '|' between entries
};

// Twips to logical pixels.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }
QRect twipsRect(int left, int top, int width, int height);

class FormTable {
public:
    // Creates every row as a child of `window` (or of the frame named in `container`).
    FormTable(QWidget* window, std::span<const ControlRow> rows);

    QWidget* widget(const QString& name) const;
    QLineEdit* text(const QString& name) const;
    QComboBox* combo(const QString& name) const;
    QPushButton* button(const QString& name) const;
    QRadioButton* option(const QString& name) const;
    QLabel* label(const QString& name) const;
    // The control a window's code relies on: a missing row or one of another kind stops the
    // program when the window is built, never later at a click.
    QLineEdit& requireText(const char* name) const;
    QComboBox& requireCombo(const char* name) const;
    QPushButton& requireButton(const char* name) const;
    QRadioButton& requireOption(const char* name) const;
    QWidget& requireWidget(const char* name) const;
    // The rows of one kind, in table order.
    std::vector<const ControlRow*> rowsOf(Ctl kind) const;
    // Places a widget made elsewhere (a picture box) at its row, named Ctl::Custom in the table.
    void adopt(const QString& name, QWidget* widget);

private:
    template <class Control> Control& require(const char* name) const;
    QWidget* create(QWidget* window, const ControlRow& row);
    QHash<QString, QPointer<QWidget>> m_byName;
    QHash<QString, ControlRow> m_rows;
    std::vector<ControlRow> m_order;
};

// Sets the client size of a window from twips.
void setClientTwips(QWidget* window, int width, int height);
// Places the top-left corner of a window's client area at a screen position in twips, moved just
// enough for the window to lie wholly inside its screen's available area (again when it first shows
// and its frame is known).
void placeClientAtTwips(QWidget* window, int left, int top);
// Moves a window that has grown by the least that keeps its frame on its screen's available area.
void keepFrameOnScreen(QWidget* window);
// `rect` moved just enough to lie wholly inside `available`. A rect larger than `available` in one
// direction has its left or top edge on that of `available`, so its title bar stays reachable.
QRect placedWithin(const QRect& rect, const QRect& available);
// Where a window's frame goes: `designed` moved into `available`, or where another window's frame
// already starts within `step` (a title bar's height) of that place, the first free place cascading
// by `step` down and to the right (up and to the left where the screen ends), so the window below
// keeps its title bar and its buttons in view. `taken`: where the open windows' frames start.
QRect cascadedPlace(const QRect& designed, const std::vector<QPoint>& taken, int step, const QRect& available);

} // namespace curvana
