// The conic-section plotter. There is no Option4: the circle is Option5.
#include "plotters/plotters.h"

namespace curvana {
namespace {

constexpr Rgb kLabelBlue = rgb(0, 0, 255);
constexpr Rgb kLabelRed = rgb(255, 0, 0);
constexpr FontSpec kWideLabel{15.75};
constexpr FontSpec kNarrowLabel{15};

const ControlRow kRows[] = {
    {Ctl::Frame, "Frame1", nullptr, "选择曲线名", 0, 0, 2895, 2655, 0},
    {Ctl::Option, "Option1", "Frame1", "椭圆(x-m)^2/a^2+(y-n)^2/b^2=1", 120, 240, 2655, 495, 2},
    {Ctl::Option, "Option2", "Frame1", "双曲线(x-m)^2/a^2-(y-n)^2/b^2=1", 120, 720, 2655, 495, 3, rgb(192, 0, 192)},
    {Ctl::Option, "Option3", "Frame1", "抛物线(y-n)^2=2a(x-m)", 120, 1200, 2175, 495, 4, rgb(0, 0, 255)},
    {Ctl::Option, "Option5", "Frame1", "圆      (x-m)^2+(y-n)^2=a^2", 120, 1680, 2535, 495, 15, rgb(255, 0, 0)},
    {Ctl::ColourCombo, "Combo1", "Frame1", "请选择颜色", 480, 2280, 1335, 300, 16},
    {Ctl::Frame, "Frame2", nullptr, "参数", 0, 2760, 1935, 975, 1},
    {Ctl::Label, "Label1", "Frame2", "m=", 120, 240, 375, 255, 5, kLabelBlue, kWideLabel},
    {Ctl::Text, "Text1", "Frame2", "1", 480, 240, 375, 270, 6},
    {Ctl::Label, "Label2", "Frame2", "n=", 960, 240, 375, 255, 7, kLabelBlue, kNarrowLabel},
    {Ctl::Text, "Text2", "Frame2", "1", 1320, 240, 375, 270, 8},
    {Ctl::Label, "Label3", "Frame2", "a=", 120, 600, 375, 255, 9, kLabelRed, kWideLabel},
    {Ctl::Text, "Text3", "Frame2", "3", 480, 600, 375, 270, 10},
    {Ctl::Label, "Label4", "Frame2", "b=", 960, 600, 375, 255, 11, kLabelRed, kNarrowLabel},
    {Ctl::Text, "Text4", "Frame2", "2", 1320, 600, 375, 270, 12},
    {Ctl::Button, "Command1", nullptr, "确定", 2160, 2760, 615, 375, 13},
    {Ctl::Button, "Command2", nullptr, "返回", 2160, 3360, 615, 375, 14},
};

const PlotterDesign kConicPlotterDesign{CurveWindow::Conic, 3015, 3885, 9060, 3945, kRows, "Option1"};

} // namespace

ConicPlotter::ConicPlotter(BoardTarget& board, QWidget* owner)
    : PlotterWindow(kConicPlotterDesign, board, owner)
{
}

} // namespace curvana
