// The controls of the eight basic-figure dialogs: left, top, width, height in twips, tab order.
#include "figures/figure_dialog.h"

namespace curvana {

namespace {

// The brackets around each point entry.
constexpr FontSpec kBracket{15, true};

const FigureButtons kOkCancel{"OKButton", "CancelButton"};
const FigureButtons kCommands{"Command1", "Command2"};

const ControlRow kPointRows[] = {
    {Ctl::Label, "Label1", nullptr, "请输入点的坐标：", 120, 120, 2415, 495, 4},
    {Ctl::Label, "Label2", nullptr, "（", 0, 600, 375, 375, 5, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 480, 600, 495, 270, 1},
    {Ctl::Text, "Text2", nullptr, "0", 1560, 600, 495, 270, 2},
    {Ctl::Label, "Label3", nullptr, "）", 2160, 600, 375, 375, 6, {}, kBracket},
    {Ctl::Label, "Label4", nullptr, "，", 1080, 720, 255, 255, 7},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 480, 1200, 1335, 300, 8},
    {Ctl::Button, "OKButton", nullptr, "确定", 240, 1800, 855, 375, 0},
    {Ctl::Button, "CancelButton", nullptr, "取消", 1320, 1800, 855, 375, 3},
};

const ControlRow kLineRows[] = {
    {Ctl::Label, "Label1_0", nullptr, "请输入始点的坐标：", 120, 120, 2415, 495, 0},
    {Ctl::Label, "Label2_0", nullptr, "（", 0, 600, 375, 375, 5, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 480, 600, 495, 270, 1},
    {Ctl::Text, "Text2", nullptr, "0", 1560, 600, 495, 270, 2},
    {Ctl::Label, "Label3_0", nullptr, "）", 2160, 600, 375, 375, 6, {}, kBracket},
    {Ctl::Label, "Label4_0", nullptr, "，", 1080, 720, 255, 255, 7},
    {Ctl::Label, "Label1_1", nullptr, "请输入终点的坐标：", 120, 1080, 2415, 495, 8},
    {Ctl::Label, "Label2_1", nullptr, "（", 0, 1320, 375, 375, 9, {}, kBracket},
    {Ctl::Text, "Text3", nullptr, "1", 480, 1320, 495, 270, 3},
    {Ctl::Text, "Text4", nullptr, "1", 1560, 1320, 495, 270, 4},
    {Ctl::Label, "Label3_1", nullptr, "）", 2160, 1320, 375, 375, 11, {}, kBracket},
    {Ctl::Label, "Label4_1", nullptr, "，", 1080, 1440, 255, 255, 10},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 480, 1800, 1335, 300, 14},
    {Ctl::Button, "Command1", nullptr, "确定", 240, 2160, 855, 375, 12},
    {Ctl::Button, "Command2", nullptr, "取消", 1320, 2160, 855, 375, 13},
};

const ControlRow kRectangleRows[] = {
    {Ctl::Label, "Label1_0", nullptr, "请输入矩形的一个点的坐标：", 120, 120, 2415, 495, 0},
    {Ctl::Label, "Label2_0", nullptr, "（", 0, 600, 375, 375, 5, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 480, 600, 495, 270, 1},
    {Ctl::Text, "Text2", nullptr, "0", 1560, 600, 495, 270, 2},
    {Ctl::Label, "Label3_0", nullptr, "）", 2160, 600, 375, 375, 6, {}, kBracket},
    {Ctl::Label, "Label4_0", nullptr, "，", 1080, 720, 255, 255, 7},
    {Ctl::Label, "Label1_1", nullptr, "请输入矩形的对角顶点的坐标：", 0, 1080, 2655, 495, 8},
    {Ctl::Label, "Label2_1", nullptr, "（", 0, 1320, 375, 375, 9, {}, kBracket},
    {Ctl::Text, "Text3", nullptr, "1", 480, 1320, 495, 270, 3},
    {Ctl::Text, "Text4", nullptr, "1", 1560, 1320, 615, 270, 4},
    {Ctl::Label, "Label3_1", nullptr, "）", 2160, 1320, 375, 375, 11, {}, kBracket},
    {Ctl::Label, "Label4_1", nullptr, "，", 1080, 1440, 255, 255, 10},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 240, 1800, 1335, 300, 14},
    {Ctl::Button, "Command1", nullptr, "确定", 240, 2160, 735, 375, 12},
    {Ctl::Button, "Command2", nullptr, "取消", 1560, 2160, 735, 375, 13},
};

const ControlRow kEllipseRows[] = {
    {Ctl::Label, "Label1", nullptr, "请输入椭圆中心的坐标：", 120, 120, 2415, 495, 0},
    {Ctl::Label, "Label2", nullptr, "（", 0, 600, 375, 375, 5, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 480, 600, 495, 270, 1},
    {Ctl::Text, "Text2", nullptr, "0", 1560, 600, 495, 270, 2},
    {Ctl::Label, "Label3", nullptr, "）", 2160, 600, 375, 375, 6, {}, kBracket},
    {Ctl::Label, "Label4", nullptr, "，", 1080, 720, 255, 255, 7},
    {Ctl::Label, "Label5_0", nullptr, "请输入X轴方向的半轴长度：", 240, 960, 1335, 375, 10},
    {Ctl::Text, "Text3", nullptr, "4", 1680, 960, 615, 375, 3},
    {Ctl::Label, "Label5_1", nullptr, "请输入Y轴方向的半轴长度：", 240, 1560, 1335, 375, 11},
    {Ctl::Text, "Text4", nullptr, "2", 1680, 1560, 615, 375, 4},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 360, 2160, 1575, 300, 12},
    {Ctl::Button, "Command1", nullptr, "确定", 240, 2520, 855, 375, 8},
    {Ctl::Button, "Command2", nullptr, "取消", 1440, 2520, 855, 375, 9},
};

const ControlRow kSectorRows[] = {
    {Ctl::Label, "Label1", nullptr, "请输入扇形圆心的坐标：", 120, 120, 2415, 495, 0},
    {Ctl::Label, "Label2", nullptr, "（", 0, 600, 375, 375, 5, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 480, 600, 495, 270, 1},
    {Ctl::Text, "Text2", nullptr, "0", 1560, 600, 495, 270, 2},
    {Ctl::Label, "Label3", nullptr, "）", 2160, 600, 375, 375, 6, {}, kBracket},
    {Ctl::Label, "Label4", nullptr, "，", 1080, 720, 255, 255, 7},
    {Ctl::Label, "Label5", nullptr, "请输入扇形的半径的长度：", 120, 1080, 1215, 375, 10},
    {Ctl::Text, "Text3", nullptr, "2", 1440, 1080, 735, 375, 3},
    {Ctl::Label, "Label6", nullptr, "请输入扇形圆心角的度数：（角度数非弧度）", 120, 1560, 1215, 735, 11},
    {Ctl::Text, "Text4", nullptr, "60", 1440, 1680, 615, 375, 4},
    {Ctl::Label, "Label7", nullptr, "°", 2160, 1680, 495, 135, 12},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 960, 2280, 1455, 300, 13},
    {Ctl::Button, "Command1", nullptr, "确定", 600, 2640, 735, 375, 8},
    {Ctl::Button, "Command2", nullptr, "取消", 1560, 2640, 855, 375, 9},
};

const ControlRow kArcRows[] = {
    {Ctl::Label, "Label1", nullptr, "请输入弧的圆心的坐标：", 120, 120, 2415, 495, 0},
    {Ctl::Label, "Label2", nullptr, "（", 0, 360, 375, 375, 5, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 480, 360, 495, 270, 1},
    {Ctl::Text, "Text2", nullptr, "0", 1440, 360, 495, 270, 2},
    {Ctl::Label, "Label3", nullptr, "）", 2040, 360, 375, 375, 6, {}, kBracket},
    {Ctl::Label, "Label4", nullptr, "，", 1080, 480, 255, 255, 7},
    {Ctl::Label, "Label5", nullptr, "请输入弧的半径的长度：", 120, 720, 1215, 375, 10},
    {Ctl::Text, "Text3", nullptr, "2", 1440, 720, 735, 375, 3},
    {Ctl::Label, "Label6_0", nullptr, "请输入弧圆心角的起始度数：（角度数非弧度）", 0, 1200, 1455, 615, 11},
    {Ctl::Text, "Text4", nullptr, "60", 1560, 1200, 615, 375, 4},
    {Ctl::Label, "Label7_0", nullptr, "°", 2160, 1200, 495, 135, 12},
    {Ctl::Label, "Label7_1", nullptr, "°", 2160, 1680, 495, 135, 15},
    {Ctl::Label, "Label6_1", nullptr, "请输入弧圆心角的终止度数：", 0, 1800, 1455, 495, 13},
    {Ctl::Text, "Text5", nullptr, "90", 1560, 1800, 615, 375, 14},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 360, 2280, 1335, 300, 16},
    {Ctl::Button, "Command1", nullptr, "确定", 360, 2640, 615, 375, 8},
    {Ctl::Button, "Command2", nullptr, "取消", 1800, 2640, 615, 375, 9},
};

const ControlRow kTriangleRows[] = {
    {Ctl::Label, "Label1_0", nullptr, "请输入第一个点的坐标：", 120, 120, 2415, 495, 0},
    {Ctl::Label, "Label2_0", nullptr, "（", 0, 600, 375, 375, 5, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 360, 600, 495, 270, 1},
    {Ctl::Text, "Text2", nullptr, "0", 1320, 600, 495, 270, 2},
    {Ctl::Label, "Label3_0", nullptr, "）", 1920, 600, 375, 375, 6, {}, kBracket},
    {Ctl::Label, "Label4_0", nullptr, "，", 1080, 720, 255, 255, 7},
    {Ctl::Label, "Label1_1", nullptr, "请输入第二个点的坐标：", 120, 960, 2055, 255, 10},
    {Ctl::Label, "Label2_1", nullptr, "（", 0, 1320, 375, 375, 14, {}, kBracket},
    {Ctl::Text, "Text3", nullptr, "2", 360, 1320, 495, 270, 3},
    {Ctl::Text, "Text4", nullptr, "3", 1320, 1320, 495, 270, 4},
    {Ctl::Label, "Label3_1", nullptr, "）", 1920, 1320, 375, 375, 16, {}, kBracket},
    {Ctl::Label, "Label4_1", nullptr, "，", 1080, 1440, 255, 255, 18},
    {Ctl::Label, "Label1_2", nullptr, "请输入第三个点的坐标：", 120, 1680, 2055, 255, 11},
    {Ctl::Label, "Label2_2", nullptr, "（", 0, 1920, 375, 375, 15, {}, kBracket},
    {Ctl::Text, "Text5", nullptr, "5", 360, 1920, 495, 270, 12},
    {Ctl::Text, "Text6", nullptr, "5", 1320, 1920, 495, 270, 13},
    {Ctl::Label, "Label3_2", nullptr, "）", 1920, 1920, 375, 375, 17, {}, kBracket},
    {Ctl::Label, "Label4_2", nullptr, "，", 1080, 2040, 255, 255, 19},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 240, 2280, 1455, 300, 20},
    {Ctl::Button, "Command1", nullptr, "确定", 240, 2760, 615, 375, 8},
    {Ctl::Button, "Command2", nullptr, "取消", 1560, 2760, 615, 375, 9},
};

// The rows ask for the first, second and fourth vertex; the third is computed.
const ControlRow kParallelogramRows[] = {
    {Ctl::Label, "Label1_0", nullptr, "请输入第一个点的坐标：", 120, 120, 2415, 495, 0},
    {Ctl::Label, "Label2_0", nullptr, "（", 0, 360, 375, 375, 5, {}, kBracket},
    {Ctl::Text, "Text1", nullptr, "0", 360, 360, 495, 270, 1},
    {Ctl::Text, "Text2", nullptr, "0", 1320, 360, 495, 270, 2},
    {Ctl::Label, "Label3_0", nullptr, "）", 1800, 360, 375, 375, 6, {}, kBracket},
    {Ctl::Label, "Label4_0", nullptr, "，", 960, 480, 255, 255, 7},
    {Ctl::Label, "Label1_1", nullptr, "请输入第二个点的坐标：", 120, 720, 2055, 255, 10},
    {Ctl::Label, "Label2_2", nullptr, "（", 0, 960, 375, 375, 13, {}, kBracket},
    {Ctl::Text, "Text3", nullptr, "2", 360, 960, 495, 270, 3},
    {Ctl::Text, "Text4", nullptr, "2", 1320, 960, 495, 270, 4},
    {Ctl::Label, "Label3_1", nullptr, "）", 1800, 960, 375, 375, 14, {}, kBracket},
    {Ctl::Label, "Label4_1", nullptr, "，", 960, 1080, 255, 255, 16},
    {Ctl::Label, "Label1_2", nullptr, "请输入第四个点的坐标：", 120, 1320, 2055, 255, 11},
    {Ctl::Label, "Label2_1", nullptr, "（", 0, 1560, 375, 375, 12, {}, kBracket},
    {Ctl::Text, "Text5", nullptr, "4", 360, 1560, 495, 270, 18},
    {Ctl::Text, "Text6", nullptr, "-3", 1320, 1560, 495, 270, 19},
    {Ctl::Label, "Label3_2", nullptr, "）", 1800, 1560, 375, 375, 15, {}, kBracket},
    {Ctl::Label, "Label4_2", nullptr, "，", 960, 1680, 255, 255, 17},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 120, 1920, 1335, 300, 20},
    {Ctl::Button, "Command1", nullptr, "确定", 360, 2400, 735, 375, 8},
    {Ctl::Button, "Command2", nullptr, "取消", 1560, 2400, 855, 375, 9},
};

const FigureDialogDesign kDialogs[] = {
    {"Dialog", "画点", 2550, 2370, kPointRows, FigureKind::Point, kOkCancel},
    {"Dialog1", "画直线", 2370, 2640, kLineRows, FigureKind::Line, kCommands},
    {"Dialog2", "画矩形", 2580, 2670, kRectangleRows, FigureKind::Rectangle, kCommands},
    {"Dialog4", "画椭圆", 2415, 3015, kEllipseRows, FigureKind::Ellipse, kCommands},
    {"Dialog5", "画扇形", 2535, 3120, kSectorRows, FigureKind::Sector, kCommands},
    {"Dialog6", "画三角形", 2370, 3225, kTriangleRows, FigureKind::Triangle, kCommands},
    {"Dialog7", "画平行四边形", 2535, 2880, kParallelogramRows, FigureKind::Parallelogram, kCommands},
    {"Dialog8", "画弧", 2535, 3045, kArcRows, FigureKind::Arc, kCommands},
};

} // namespace

std::span<const FigureDialogDesign> figureDialogDesigns()
{
    return kDialogs;
}

} // namespace curvana
