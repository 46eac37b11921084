// The elementary-function plotter.
#include "plotters/plotters.h"

namespace curvana {
namespace {

constexpr Rgb kOptionRed = rgb(255, 0, 0);
constexpr Rgb kOptionBlue = rgb(0, 0, 255);
constexpr FontSpec kLabelFont{12, true};
constexpr const char* kSignTip = "B、C的参数填写时注明性质符号！“5”写成“+5”等。";
constexpr const char* kDegreeTip
    = "C、B的值填写时写上“+”或“-”号。选择三角函数时，“C=”的值填写角的度数，如60°填写“+60”，"
      "不要填写弧度数！无C值时要填写“0”！";

// Label4 indices 2, 1 and 0 stand raised beside Option8 and Option9 and level with Option10, so
// that the entries read A to the power x, x to the power A and log to base A of x.
const ControlRow kRows[] = {
    {Ctl::Frame, "Frame1", nullptr, "选择函数", 0, 120, 1935, 3735},
    {Ctl::Option, "Option1", "Frame1", "y=Ax+B", 120, 240, 1575, 255, 2},
    {Ctl::Option, "Option2", "Frame1", "y=Ax^2+Bx+C", 120, 480, 1335, 255, 3, {}, {}, kSignTip},
    {Ctl::Option, "Option3", "Frame1", "y=A/x", 120, 720, 1455, 255, 4},
    {Ctl::Option, "Option4", "Frame1", "y=A*sin(Bx+C)", 120, 1080, 1575, 255, 5, kOptionRed, {}, kDegreeTip},
    {Ctl::Option, "Option5", "Frame1", "y=A*cos(Bx+C)", 120, 1320, 1575, 375, 6, kOptionRed, {}, kDegreeTip},
    {Ctl::Option, "Option6", "Frame1", "y=A*tg(Bx+C)", 120, 1680, 1455, 375, 7, kOptionRed, {}, kDegreeTip},
    {Ctl::Option, "Option7", "Frame1", "y=|Ax^2+Bx+C|", 120, 2040, 1575, 375, 8, kOptionBlue, {}, kSignTip},
    {Ctl::Option, "Option8", "Frame1", "y=A", 120, 2520, 615, 255, 9, kOptionBlue},
    {Ctl::Label, "Label4_2", "Frame1", "x", 720, 2400, 135, 255, -1, kOptionRed},
    {Ctl::Option, "Option9", "Frame1", "y=x", 120, 2880, 615, 255, 10, kOptionBlue},
    {Ctl::Label, "Label4_1", "Frame1", "A", 720, 2760, 255, 255, -1, kOptionRed},
    {Ctl::Option, "Option10", "Frame1", "y=logA", 120, 3240, 855, 375, 11},
    {Ctl::Label, "Label4_0", "Frame1", "x", 960, 3240, 135, 255},
    {Ctl::Frame, "Frame2", nullptr, "填参数", 0, 4080, 1815, 1335},
    {Ctl::Label, "Label1", "Frame2", "A=", 120, 240, 375, 255, -1, kOptionRed, kLabelFont},
    {Ctl::Text, "Text1", "Frame2", "1", 480, 240, 975, 270, 12},
    {Ctl::Label, "Label2", "Frame2", "B=", 120, 600, 495, 255, -1, kOptionRed, kLabelFont},
    {Ctl::Text, "Text2", "Frame2", "+2", 480, 600, 975, 270, 13, {}, {}, kSignTip},
    {Ctl::Label, "Label3", "Frame2", "C=", 120, 960, 735, 255, -1, kOptionRed, kLabelFont},
    {Ctl::Text, "Text3", "Frame2", "+0", 480, 960, 975, 270, 14, {}, {}, kDegreeTip},
    {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", 360, 5520, 1335, 300, 15},
    {Ctl::Button, "Command1", nullptr, "确定", 120, 6240, 735, 375, 0},
    {Ctl::Button, "Command2", nullptr, "返回", 960, 6240, 735, 375, 1},
};

const PlotterDesign kElementaryPlotterDesign{CurveWindow::Elementary, 1950, 7245, 60, 345, kRows, "Command1"};

} // namespace

ElementaryPlotter::ElementaryPlotter(BoardTarget& board, QWidget* owner)
    : PlotterWindow(kElementaryPlotterDesign, board, owner)
{
}

} // namespace curvana
