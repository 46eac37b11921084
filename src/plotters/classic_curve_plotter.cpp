// The classic-curve plotter.
#include "plotters/plotters.h"

namespace curvana {
namespace {

constexpr Rgb kDarkGrey = rgb(64, 64, 64);

const ControlRow kRows[] = {
    {Ctl::Frame, "Frame1", nullptr, "数学欣赏", 120, 120, 2655, 4575, 2, rgb(255, 0, 0), {14.25, true}},
    {Ctl::Option, "Option1", "Frame1", "圆的渐开线       x=R(cosθ+θ*sinθ)  y=R(sinθ-θ*cosθ", 120, 360, 2295, 735, 3},
    {Ctl::Option, "Option2", "Frame1", "旋轮线x=R(θ-sinθ) y=R(1-cosθ)", 120, 1080, 2055, 615, 6, kDarkGrey},
    {Ctl::Option, "Option3", "Frame1", "心脏线        ρ=R(1+cosθ)", 120, 1680, 1695, 375, 7, kDarkGrey},
    {Ctl::Option, "Option4", "Frame1", "三叶玫瑰线ρ=Rcos(3θ)", 120, 2040, 2415, 495, 8, kDarkGrey},
    {Ctl::Option, "Option5", "Frame1", "四尖点星形线x=R(cosa)^3  y=R(sina)^3", 120, 2520, 1815, 735, 9, kDarkGrey},
    {Ctl::Option, "Option6", "Frame1", "双钮线         ρ^2=2R^2*cos2θ", 120, 3360, 1815, 615, 10, kDarkGrey},
    {Ctl::ColourCombo, "Combo1", "Frame1", "请选择颜色", 1080, 4080, 1335, 300, 11},
    {Ctl::Label, "Label1", nullptr, "R=", 120, 4800, 615, 375, 4, rgb(0, 0, 255), {21.75, true}},
    {Ctl::Text, "Text1", nullptr, "1", 960, 4800, 735, 390, 5},
    {Ctl::Button, "Command1", nullptr, "确定", 240, 5280, 855, 375, 0},
    {Ctl::Button, "Command2", nullptr, "取消", 1560, 5280, 735, 375, 1},
};

const PlotterDesign kClassicCurvePlotterDesign{CurveWindow::Classic, 2850, 5775, 9060, 345, kRows, "Command1"};

} // namespace

ClassicCurvePlotter::ClassicCurvePlotter(BoardTarget& board, QWidget* owner)
    : PlotterWindow(kClassicCurvePlotterDesign, board, owner)
{
}

} // namespace curvana
