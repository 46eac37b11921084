// The catalogue against the maths: what a window's boxes hold is what its families read.
#include "core/document/window_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/document/board_document.h"
#include "curve_test_support.h"

namespace curvana {
namespace {

FieldTexts numberedTexts(std::size_t count)
{
    FieldTexts texts;
    for (std::size_t i = 0; i < count; ++i)
        texts.push_back(std::to_string(i + 2));
    return texts;
}

// Each family is one button of one window, so a saved option names one drawing and back.
TEST(WindowCatalogue, EveryFamilyIsExactlyOneButton)
{
    std::map<CurveFamily, int> buttons;
    std::set<std::string> designNames;
    for (const CurveWindowEntry& entry : curveWindowEntries()) {
        EXPECT_TRUE(designNames.insert(entry.design.designName).second) << entry.design.designName;
        for (const CurveOption& option : entry.options) {
            ++buttons[option.family];
            EXPECT_EQ(curveFamily(entry.window, option.number), option.family);
            EXPECT_EQ(windowOfFamily(option.family), entry.window);
        }
    }
    for (int family = static_cast<int>(CurveFamily::Line); family <= static_cast<int>(CurveFamily::Lemniscate);
         ++family)
        EXPECT_EQ(buttons[static_cast<CurveFamily>(family)], 1) << family;
    for (std::size_t i = 0; i < kFigureKindCount; ++i)
        EXPECT_TRUE(designNames.insert(figureDialogEntry(static_cast<FigureKind>(i)).designName).second) << i;
}

// A family reads no box its window lacks: with the window's boxes filled it draws. A figure reads
// every box of its dialog: one box fewer names that box.
TEST(WindowCatalogue, TheBoxesAreTheOnesTheMathsReads)
{
    for (const CurveWindowEntry& entry : curveWindowEntries()) {
        for (const CurveOption& option : entry.options) {
            const CurveAction action{entry.window, option.number, numberedTexts(boxCount(entry.window)), ""};
            const Drawing drawing = testing::drawingOf(actionDrawing(action));
            EXPECT_FALSE(drawing.dots.empty() && drawing.circles.empty()) << option.family;
        }
    }
    for (std::size_t i = 0; i < kFigureKindCount; ++i) {
        const auto figure = static_cast<FigureKind>(i);
        const std::size_t boxes = boxCount(figure);
        testing::drawingOf(figureDrawing(figure, numberedTexts(boxes)));
        const InputProblem missing = testing::problemOf(figureDrawing(figure, numberedTexts(boxes - 1)));
        EXPECT_EQ(missing.field, static_cast<int>(boxes - 1)) << figureDialogEntry(figure).caption;
    }
}

} // namespace
} // namespace curvana
