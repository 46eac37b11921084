#include "figures/named_point_dialog.h"

#include <QLineEdit>

#include "core/curves/marked_points.h"
#include "core/document/board_document.h"
#include "figures/dialog_rows.h"

namespace curvana {

namespace {

constexpr FigureButtons kNamedPointButtons{"OKButton", "CancelButton"};
constexpr PointEntryNames kCoordinateNames{"Label3", "Text2", "Text3", "Label4", "Label5"};

// The name on top, then the point entry of the point dialog, the colour and the two buttons.
constexpr auto kNamedPointRows
    = joinRows(ControlRow{Ctl::Label, "Label1", nullptr, "请输入点的名称：", 120, 120, 2415, 255, 5},
        ControlRow{Ctl::Text, "Text1", nullptr, "A", 120, 420, 1200, 270, 0},
        pointEntryRows({{Ctl::Label, "Label2", nullptr, "请输入点的坐标：", 120, 840, 2415, 255, 6}, kCoordinateNames,
            1140, kWideEntryColumns, {7, 1, 2, 8, 9}, "0", "0"}),
        closingRows({{480, 1740, 1335, 10}, kNamedPointButtons, 2280, {240, 855, 3}, {1320, 855, 4}}));

constexpr int kClientWidth = 2550;
constexpr int kClientHeight = 2790;

} // namespace

NamedPointDialog::NamedPointDialog(BoardTarget& board, QWidget* owner)
    : DrawingWindow(
        board, QString::fromUtf8(namedPointDialogEntry().caption), kClientWidth, kClientHeight, kNamedPointRows, owner)
{
    controls().requireText("Text1").setMaxLength(static_cast<int>(kPointNameMaxCharacters));
    setUpBoardDialog(
        *this, namedPointDialogEntry().designName, kNamedPointRows, kNamedPointButtons, [this] { drawAndClose(); });
}

void NamedPointDialog::drawAndClose()
{
    NamedPointAction action{fieldTexts(), colourText()};
    if (drawOnBoard(action, checkedDrawing(action)))
        close();
}

} // namespace curvana
