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

FigureDialog::FigureDialog(const FigureDialogSpec& spec, QWidget* board)
    : DrawingForm(QString::fromUtf8(spec.caption), spec.clientWidth, spec.clientHeight, spec.rows, board),
      m_kind(spec.kind)
{
    setObjectName(QString::fromUtf8(spec.name));
    setWindowFlags(kDialogFlags);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    placeAtTwips(kClientLeft, kClientTop);
    const FigureButtons& buttons = spec.buttons;
    connect(controls().button(QString::fromUtf8(buttons.ok)), &QPushButton::clicked, this, buttons.okClick);
    connect(controls().button(QString::fromUtf8(buttons.cancel)), &QPushButton::clicked, this, buttons.cancelClick);
    focusFirstInTabOrder(spec.rows);
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

const FigureDialogSpec* figureDialogSpec(std::string_view name)
{
    const auto specs = figureDialogSpecs();
    const auto found = std::find_if(specs.begin(), specs.end(),
                                    [name](const FigureDialogSpec& spec) { return name == spec.name; });
    return found == specs.end() ? nullptr : &*found;
}

} // namespace curvana
