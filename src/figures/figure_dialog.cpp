#include "figures/figure_dialog.h"

#include <QPushButton>
#include <algorithm>

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

FigureDialog::FigureDialog(const FigureDialogDesign& design, BoardTarget& board, QWidget* owner)
    : DrawingWindow(board, QString::fromUtf8(design.caption), design.clientWidth, design.clientHeight, design.rows,
                    owner),
      m_kind(design.kind)
{
    setObjectName(QString::fromUtf8(design.name));
    setWindowFlags(kDialogFlags);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    placeAtTwips(kClientLeft, kClientTop);
    const FigureButtons& buttons = design.buttons;
    connect(&controls().requireButton(buttons.ok), &QPushButton::clicked, this, &FigureDialog::drawAndClose);
    connect(&controls().requireButton(buttons.cancel), &QPushButton::clicked, this, &QWidget::close);
    focusFirstInTabOrder(design.rows);
}

void FigureDialog::drawAndClose()
{
    FigureAction action{m_kind, fieldTexts(), colourText()};
    const DrawingResult result = figureDrawing(m_kind, action.texts);
    if (drawOnBoard(action, result))
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
        controls().requireWidget(first->name).setFocus();
}

const FigureDialogDesign& figureDialogDesign(FigureKind figure)
{
    const auto designs = figureDialogDesigns();
    const auto found = std::find_if(designs.begin(), designs.end(),
                                    [figure](const FigureDialogDesign& design) { return design.kind == figure; });
    // Every figure has its dialog in the table.
    Q_ASSERT(found != designs.end());
    return *found;
}

} // namespace curvana
