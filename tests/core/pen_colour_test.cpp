#include "core/text/pen_colour.h"

#include <gtest/gtest.h>

namespace curvana {
namespace {

TEST(PenColour, NamesGiveTheirColours)
{
    const std::pair<const char*, Rgb> rows[] = {
        {"红", rgb(255, 0, 0)},
        {"黑", rgb(0, 0, 0)},
        {"黄", rgb(255, 255, 0)},
        {"蓝", rgb(0, 0, 255)},
        {"绿", rgb(0, 255, 0)},
        {"青", rgb(0, 255, 255)},
    };
    for (const auto& [name, colour] : rows) {
        EXPECT_EQ(lookupPenColour(name), colour) << name;
        EXPECT_EQ(lookupFreehandColour(name), colour) << name;
        EXPECT_EQ(penColourOrBlack(name), colour) << name;
    }
    EXPECT_EQ(lookupPenColour("绿"), 65280u);
}

TEST(PenColour, EveryComboItemIsFound)
{
    for (auto name : kColourComboItems)
        EXPECT_TRUE(lookupPenColour(name).has_value()) << name;
}

TEST(PenColour, OnlyExactTextMatches)
{
    for (const char* text : {"红 ", " 红", "红色", "请选择颜色", "", "red", "擦皮", "擦"}) {
        EXPECT_FALSE(lookupPenColour(text).has_value()) << text;
        EXPECT_EQ(penColourOrBlack(text), kBlack) << text;
    }
}

TEST(PenColour, EraserOnlyThroughFreehandLookup)
{
    EXPECT_EQ(lookupFreehandColour(kEraserName), kWhite);
    EXPECT_FALSE(lookupPenColour(kEraserName).has_value());
    EXPECT_FALSE(lookupFreehandColour("擦皮 ").has_value());
    EXPECT_FALSE(lookupFreehandColour("请选择颜色").has_value());
}

TEST(PenColour, PackingRoundTrips)
{
    const Rgb colour = rgb(12, 34, 56);
    EXPECT_EQ(colour, 12u + 256u * 34u + 65536u * 56u);
    EXPECT_EQ(redOf(colour), 12);
    EXPECT_EQ(greenOf(colour), 34);
    EXPECT_EQ(blueOf(colour), 56);
}

} // namespace
} // namespace curvana
