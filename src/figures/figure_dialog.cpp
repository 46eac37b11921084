#include "figures/figure_dialog.h"

#include <QPushButton>
#include <algorithm>
#include <cstring>

namespace curvana {

namespace {

// A dialog window with its close box only, tied to the board so it stays out of the taskbar.
constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

bool takesFocus(Ctl kind)
{
    return kind == Ctl::Text || kind == Ctl::Button || kind == Ctl::ColourCombo || kind == Ctl::Combo;
}

} // namespace

FigureDialog::FigureDialog(const FigureDialogDesign& design, QWidget* board)
    : DrawingForm(QString::fromUtf8(design.caption), design.clientWidth, design.clientHeight, design.rows, board),
      m_kind(design.kind)
{
    setObjectName(QString::fromUtf8(design.name));
    setWindowFlags(kDialogFlags);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    placeAtTwips(kClientLeft, kClientTop);
    const FigureButtons& buttons = design.buttons;
    connect(controls().button(QString::fromUtf8(buttons.ok)), &QPushButton::clicked, this, buttons.okClick);
    connect(controls().button(QString::fromUtf8(buttons.cancel)), &QPushButton::clicked, this, buttons.cancelClick);
    focusFirstInTabOrder(design.rows);
}

void FigureDialog::drawAndUnload()
{
    if (drawOnBoard(figureDrawing(m_kind, fieldTexts())))
        close();
}

// Labels carry tab numbers too but take no focus; the first control that does gets it.
void FigureDialog::focusFirstInTabOrder(std::span<const ControlRow> rows)
{
    const ControlRow* first = nullptr;
    for (const ControlRow& row : rows)
        if (takesFocus(row.kind) && row.tab >= 0 && (!first || row.tab < first->tab))
            first = &row;
    if (first)
        controls().widget(QString::fromUtf8(first->name))->setFocus();
}

const FigureDialogDesign* figureDialogDesign(std::string_view name)
{
    const auto designs = figureDialogDesigns();
    const auto found = std::find_if(designs.begin(), designs.end(),
                                    [name](const FigureDialogDesign& design) { return name == design.name; });
    return found == designs.end() ? nullptr : &*found;
}

} // namespace curvana
