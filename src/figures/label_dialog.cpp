#include "figures/label_dialog.h"

#include <QLineEdit>

#include "core/document/board_document.h"
#include "core/curves/label.h"
#include "figures/dialog_rows.h"
#include "figures/figure_dialog.h"

namespace curvana {

namespace {

constexpr FigureButtons kLabelButtons{"OKButton", "CancelButton"};

// The point entry is the point dialog's; the text box below it spans the dialog.
constexpr auto kLabelRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1", nullptr, "请输入文字左上角的坐标：", 120, 120, 2415, 495, 5},
                   kSingleEntryNames, 600, kWideEntryColumns, {6, 0, 1, 7, 8}, "0", "0"}),
        ControlRow{Ctl::Label, "Label5", nullptr, "请输入要写的文字：", 120, 1080, 2415, 255, 9},
        ControlRow{Ctl::Text, "Text3", nullptr, "", 120, 1380, 2295, 270, 2},
        closingRows({{480, 1860, 1335, 10}, kLabelButtons, 2400, {240, 855, 3}, {1320, 855, 4}}));

constexpr int kClientWidth = 2550;
constexpr int kClientHeight = 2970;

} // namespace

LabelDialog::LabelDialog(BoardTarget& board, QWidget* owner)
    : DrawingWindow(
        board, QString::fromUtf8(labelDialogEntry().caption), kClientWidth, kClientHeight, kLabelRows, owner)
{
    controls().requireText("Text3").setMaxLength(static_cast<int>(kLabelMaxCharacters));
    setUpBoardDialog(*this, labelDialogEntry().designName, kLabelRows, kLabelButtons, [this] { drawAndClose(); });
}

void LabelDialog::drawAndClose()
{
    LabelAction action{fieldTexts(), colourText()};
    if (drawOnBoard(action, checkedDrawing(action)))
        close();
}

} // namespace curvana
