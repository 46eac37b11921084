#include "figures/label_dialog.h"

#include <QLineEdit>

#include "core/board_document.h"
#include "core/label.h"
#include "figures/figure_dialog.h"

namespace curvana {

namespace {

constexpr FontSpec kBracket{15, true};
const FigureButtons kLabelButtons{"OKButton", "CancelButton"};

// The point entry is the point dialog's; the text box below it spans the dialog.
const ControlRow kLabelRows[] = {
    {Ctl::Label, "Label1", nullptr, "请输入文字左上角的坐标：", 120, 120, 2415, 495, 5},
    {Ctl::Label, "Label2", nullptr, "（", 0, 600, 375, 375, 6, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 480, 600, 495, 270, 0},
    {Ctl::Text, "Text2", nullptr, "0", 1560, 600, 495, 270, 1},
    {Ctl::Label, "Label3", nullptr, "）", 2160, 600, 375, 375, 7, {}, kBracket},
    {Ctl::Label, "Label4", nullptr, "，", 1080, 720, 255, 255, 8},
    {Ctl::Label, "Label5", nullptr, "请输入要写的文字：", 120, 1080, 2415, 255, 9},
    {Ctl::Text, "Text3", nullptr, "", 120, 1380, 2295, 270, 2},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 480, 1860, 1335, 300, 10},
    {Ctl::Button, "OKButton", nullptr, "确定", 240, 2400, 855, 375, 3},
    {Ctl::Button, "CancelButton", nullptr, "取消", 1320, 2400, 855, 375, 4},
};

constexpr int kClientWidth = 2550;
constexpr int kClientHeight = 2970;

} // namespace

LabelDialog::LabelDialog(BoardTarget& board, QWidget* owner)
    : DrawingWindow(board, QString::fromUtf8(kCaption), kClientWidth, kClientHeight, kLabelRows, owner)
{
    controls().requireText("Text3").setMaxLength(static_cast<int>(kLabelMaxCharacters));
    setUpBoardDialog(*this, kName, kLabelRows, kLabelButtons, [this] { drawAndClose(); });
}

void LabelDialog::drawAndClose()
{
    LabelAction action{fieldTexts(), colourText()};
    if (drawOnBoard(action, actionDrawing(action)))
        close();
}

} // namespace curvana
