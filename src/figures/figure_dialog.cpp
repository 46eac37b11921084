#include "figures/figure_dialog.h"

#include <QPushButton>
#include <algorithm>

#include "core/document/board_document.h"

namespace curvana {

namespace {

// A dialog window with its close box only, tied to the board so it stays out of the taskbar.
constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

bool takesFocus(Ctl kind)
{
    return kind == Ctl::Text || kind == Ctl::Button || kind == Ctl::ColourCombo || kind == Ctl::Combo;
}

// Labels carry tab numbers too but take no focus; the first control that does gets it.
void focusFirstInTabOrder(DrawingWindow& dialog, std::span<const ControlRow> rows)
{
    const ControlRow* first = nullptr;
    for (const ControlRow& row : rows)
        if (takesFocus(row.kind) && row.tab >= 0 && (!first || row.tab < first->tab))
            first = &row;
    if (first)
        dialog.controls().requireWidget(first->name).setFocus();
}

} // namespace

FigureDialog::FigureDialog(const FigureDialogDesign& design, BoardTarget& board, QWidget* owner)
    : DrawingWindow(board, QString::fromUtf8(figureDialogEntry(design.kind).caption), design.clientWidth,
        design.clientHeight, design.rows, owner)
    , m_kind(design.kind)
{
    setUpBoardDialog(
        *this, figureDialogEntry(design.kind).designName, design.rows, design.buttons, [this] { drawAndClose(); });
}

void FigureDialog::drawAndClose()
{
    const FigureAction action{m_kind, fieldTexts(), colourText()};
    if (drawOnBoard(action, checkedDrawing(action)))
        close();
}

void setUpBoardDialog(DrawingWindow& dialog, const char* name, std::span<const ControlRow> rows,
    const FigureButtons& buttons, const std::function<void()>& ok)
{
    dialog.setObjectName(QString::fromUtf8(name));
    dialog.setWindowFlags(kDialogFlags);
    dialog.setAttribute(Qt::WA_DeleteOnClose);
    dialog.setFixedSize(dialog.size());
    dialog.placeAtTwips(FigureDialog::kClientLeft, FigureDialog::kClientTop);
    QObject::connect(&dialog.controls().requireButton(buttons.ok), &QPushButton::clicked, &dialog, ok);
    QObject::connect(&dialog.controls().requireButton(buttons.cancel), &QPushButton::clicked, &dialog, &QWidget::close);
    focusFirstInTabOrder(dialog, rows);
}

const FigureDialogDesign& figureDialogDesign(FigureKind figure)
{
    const auto designs = figureDialogDesigns();
    const auto found = std::find_if(
        designs.begin(), designs.end(), [figure](const FigureDialogDesign& design) { return design.kind == figure; });
    // Every figure has its dialog in the table.
    Q_ASSERT(found != designs.end());
    return *found;
}

} // namespace curvana
