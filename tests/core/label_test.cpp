// The text dialog's drawing: where the text stands, its colour, and the messages for its boxes.
#include <gtest/gtest.h>

#include "core/document/board_document.h"
#include "core/curves/label.h"

namespace curvana {
namespace {

TEST(LabelTest, TextStandsAtItsPointInItsColour)
{
    struct Row {
        FieldTexts texts;
        const char* colour;
        WorldPoint at;
        Rgb expected;
    } rows[] = {
        {{"2", "-3.5", "顶点A"}, "红", {2, -3.5}, kRed},
        {{" 1e0", "0", "x"}, "青", {1, 0}, rgb(0, 255, 255)},
        // Like the captions: blue when the combo names none of the six colours.
        {{"0", "0", "y"}, "紫", {0, 0}, kBlue},
        {{"0", "0", "y"}, "", {0, 0}, kBlue},
        {{"0", "0", "y"}, "红 ", {0, 0}, kBlue},
    };
    for (const Row& row : rows) {
        const DrawingResult result = actionDrawing(LabelAction{row.texts, row.colour});
        ASSERT_TRUE(std::holds_alternative<Drawing>(result)) << row.texts[2];
        const Drawing& drawing = std::get<Drawing>(result);
        ASSERT_EQ(drawing.captions.size(), 1u);
        EXPECT_TRUE(drawing.dots.empty() && drawing.segments.empty() && drawing.circles.empty());
        EXPECT_EQ(drawing.captions[0].at, row.at);
        EXPECT_EQ(drawing.captions[0].text, row.texts[2]);
        EXPECT_EQ(drawing.captions[0].colour, std::optional<Rgb>(row.expected)) << row.colour;
    }
}

TEST(LabelTest, BadBoxesNameTheBox)
{
    std::string forty, fortyOne;
    for (int i = 0; i < 40; ++i)
        forty += "字";
    fortyOne = forty + "a";
    struct Row {
        FieldTexts texts;
        int field; // -1: draws
        const char* message;
    } rows[] = {
        {{"", "0", "A"}, 0, "请在文字左上角的横坐标框里填写一个数。"},
        {{"1", "abc", "A"}, 1, "请在文字左上角的纵坐标框里填写一个数。"},
        {{"1e39", "0", "A"}, 0, "请在文字左上角的横坐标框里填写一个小一些的数。"},
        // The point is read first: its problem is the one named.
        {{"x", "0", ""}, 0, "请在文字左上角的横坐标框里填写一个数。"},
        {{"1", "2", ""}, 2, "请在文字框里填写要写的文字。"},
        {{"1", "2", fortyOne}, 2, "文字太长了，请在文字框里填写不超过40个字的文字。"},
        {{"1", "2", forty}, -1, ""},
        {{"1", "2", " "}, -1, ""},
    };
    for (const Row& row : rows) {
        const DrawingResult result = labelDrawing(row.texts, "红");
        if (row.field < 0) {
            EXPECT_TRUE(std::holds_alternative<Drawing>(result)) << row.texts[2];
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<InputProblem>(result)) << row.message;
        EXPECT_EQ(std::get<InputProblem>(result).field, row.field);
        EXPECT_EQ(std::get<InputProblem>(result).message, row.message);
    }
    EXPECT_EQ(actionTitle(LabelAction{}), "文字");
}

} // namespace
} // namespace curvana
