// The controls of the eight basic-figure dialogs: left, top, width, height in twips, tab order.
// Each table reads: its point entries (prompt and boxes), its own rows, then the colour combo and
// the buttons (figures/dialog_rows.h builds the rows every dialog shares).
#include "figures/dialog_rows.h"

namespace curvana {

namespace {

constexpr FigureButtons kOkCancel{"OKButton", "CancelButton"};
constexpr FigureButtons kCommands{"Command1", "Command2"};

constexpr auto kPointRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1", nullptr, "请输入点的坐标：", 120, 120, 2415, 495, 4},
                   kSingleEntryNames, 600, kWideEntryColumns, kFirstEntryTabs, "0", "0"}),
        closingRows({{480, 1200, 1335, 8}, kOkCancel, 1800, {240, 855, 0}, {1320, 855, 3}}));

constexpr auto kLineRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1_0", nullptr, "请输入始点的坐标：", 120, 120, 2415, 495, 0},
                   kFirstEntryNames, 600, kWideEntryColumns, kFirstEntryTabs, "0", "0"}),
        pointEntryRows({{Ctl::Label, "Label1_1", nullptr, "请输入终点的坐标：", 120, 1080, 2415, 495, 8},
            kSecondEntryNames, 1320, kWideEntryColumns, {9, 3, 4, 11, 10}, "1", "1"}),
        closingRows({{480, 1800, 1335, 14}, kCommands, 2160, {240, 855, 12}, {1320, 855, 13}}));

// The diagonal vertex's y box is wider than the others.
constexpr auto kRectangleRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1_0", nullptr, "请输入矩形的一个点的坐标：", 120, 120, 2415, 495, 0},
                   kFirstEntryNames, 600, kWideEntryColumns, kFirstEntryTabs, "0", "0"}),
        pointEntryRows({{Ctl::Label, "Label1_1", nullptr, "请输入矩形的对角顶点的坐标：", 0, 1080, 2655, 495, 8},
            kSecondEntryNames, 1320, kWideEntryColumns, {9, 3, 4, 11, 10}, "1", "1", 615}),
        closingRows({{240, 1800, 1335, 14}, kCommands, 2160, {240, 735, 12}, {1560, 735, 13}}));

constexpr auto kEllipseRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1", nullptr, "请输入椭圆中心的坐标：", 120, 120, 2415, 495, 0},
                   kSingleEntryNames, 600, kWideEntryColumns, kFirstEntryTabs, "0", "0"}),
        numberBoxRows({{Ctl::Label, "Label5_0", nullptr, "请输入X轴方向的半轴长度：", 240, 960, 1335, 375, 10}, "Text3",
            "4", 1680, 960, 615, 3}),
        numberBoxRows({{Ctl::Label, "Label5_1", nullptr, "请输入Y轴方向的半轴长度：", 240, 1560, 1335, 375, 11},
            "Text4", "2", 1680, 1560, 615, 4}),
        closingRows({{360, 2160, 1575, 12}, kCommands, 2520, {240, 855, 8}, {1440, 855, 9}}));

constexpr auto kSectorRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1", nullptr, "请输入扇形圆心的坐标：", 120, 120, 2415, 495, 0},
                   kSingleEntryNames, 600, kWideEntryColumns, kFirstEntryTabs, "0", "0"}),
        numberBoxRows({{Ctl::Label, "Label5", nullptr, "请输入扇形的半径的长度：", 120, 1080, 1215, 375, 10}, "Text3",
            "2", 1440, 1080, 735, 3}),
        numberBoxRows(
            {{Ctl::Label, "Label6", nullptr, "请输入扇形圆心角的度数：（角度数非弧度）", 120, 1560, 1215, 735, 11},
                "Text4", "60", 1440, 1680, 615, 4}),
        degreeSignRow("Label7", 1680, 12),
        closingRows({{960, 2280, 1455, 13}, kCommands, 2640, {600, 735, 8}, {1560, 855, 9}}));

constexpr auto kArcRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1", nullptr, "请输入弧的圆心的坐标：", 120, 120, 2415, 495, 0},
                   kSingleEntryNames, 360, kArcEntryColumns, kFirstEntryTabs, "0", "0"}),
        numberBoxRows({{Ctl::Label, "Label5", nullptr, "请输入弧的半径的长度：", 120, 720, 1215, 375, 10}, "Text3", "2",
            1440, 720, 735, 3}),
        numberBoxRows(
            {{Ctl::Label, "Label6_0", nullptr, "请输入弧圆心角的起始度数：（角度数非弧度）", 0, 1200, 1455, 615, 11},
                "Text4", "60", 1560, 1200, 615, 4}),
        degreeSignRow("Label7_0", 1200, 12), degreeSignRow("Label7_1", 1680, 15),
        numberBoxRows({{Ctl::Label, "Label6_1", nullptr, "请输入弧圆心角的终止度数：", 0, 1800, 1455, 495, 13}, "Text5",
            "90", 1560, 1800, 615, 14}),
        closingRows({{360, 2280, 1335, 16}, kCommands, 2640, {360, 615, 8}, {1800, 615, 9}}));

constexpr auto kTriangleRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1_0", nullptr, "请输入第一个点的坐标：", 120, 120, 2415, 495, 0},
                   kFirstEntryNames, 600, kNarrowEntryColumns, kFirstEntryTabs, "0", "0"}),
        pointEntryRows({{Ctl::Label, "Label1_1", nullptr, "请输入第二个点的坐标：", 120, 960, 2055, 255, 10},
            kSecondEntryNames, 1320, kNarrowEntryColumns, {14, 3, 4, 16, 18}, "2", "3"}),
        pointEntryRows({{Ctl::Label, "Label1_2", nullptr, "请输入第三个点的坐标：", 120, 1680, 2055, 255, 11},
            kThirdEntryNames, 1920, kNarrowEntryColumns, {15, 12, 13, 17, 19}, "5", "5"}),
        closingRows({{240, 2280, 1455, 20}, kCommands, 2760, {240, 615, 8}, {1560, 615, 9}}));

// The rows ask for the first, second and fourth vertex; the third is computed. The opening
// brackets of the second and third entry carry each other's names.
constexpr PointEntryColumns kParallelogramColumns{0, 360, 1320, 1800, 960};
constexpr auto kParallelogramRows
    = joinRows(pointEntryRows({{Ctl::Label, "Label1_0", nullptr, "请输入第一个点的坐标：", 120, 120, 2415, 495, 0},
                   kFirstEntryNames, 360, kParallelogramColumns, kFirstEntryTabs, "0", "0"}),
        pointEntryRows({{Ctl::Label, "Label1_1", nullptr, "请输入第二个点的坐标：", 120, 720, 2055, 255, 10},
            {"Label2_2", "Text3", "Text4", "Label3_1", "Label4_1"}, 960, kParallelogramColumns, {13, 3, 4, 14, 16}, "2",
            "2"}),
        pointEntryRows({{Ctl::Label, "Label1_2", nullptr, "请输入第四个点的坐标：", 120, 1320, 2055, 255, 11},
            {"Label2_1", "Text5", "Text6", "Label3_2", "Label4_2"}, 1560, kParallelogramColumns, {12, 18, 19, 15, 17},
            "4", "-3"}),
        closingRows({{120, 1920, 1335, 20}, kCommands, 2400, {360, 735, 8}, {1560, 855, 9}}));

const FigureDialogDesign kDialogs[] = {
    {2550, 2370, kPointRows, FigureKind::Point, kOkCancel},
    {2370, 2640, kLineRows, FigureKind::Line, kCommands},
    {2580, 2670, kRectangleRows, FigureKind::Rectangle, kCommands},
    {2415, 3015, kEllipseRows, FigureKind::Ellipse, kCommands},
    {2535, 3120, kSectorRows, FigureKind::Sector, kCommands},
    {2370, 3225, kTriangleRows, FigureKind::Triangle, kCommands},
    {2535, 2880, kParallelogramRows, FigureKind::Parallelogram, kCommands},
    {2535, 3045, kArcRows, FigureKind::Arc, kCommands},
};

} // namespace

std::span<const FigureDialogDesign> figureDialogDesigns() { return kDialogs; }

} // namespace curvana
