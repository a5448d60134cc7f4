#include "platform/fixed_font_metrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tavrel {
namespace {

TEST(PointsToPixels, RoundsLikeMulDivAtNinetySixDpi) {
    for (int size = 1; size <= 40; ++size) {
        EXPECT_EQ(PointsToPixels(size), static_cast<int>(std::lround(size * 96.0 / 72.0))) << size;
    }
    EXPECT_EQ(PointsToPixels(0), 1);
    EXPECT_EQ(PointsToPixels(-3), 1);
}

TEST(FixedFontMetrics, FullAndHalfWidthCharacters) {
    struct Case {
        const char* text;
        int size;
        TextExtent extent;
    };
    const Case cases[] = {
        {"国", 12, {16, 16}},
        {"A", 12, {8, 16}},
        {"国A", 13, {25, 17}},
        {"命亢05", 14, {56, 19}},
        {"", 12, {0, 16}},
        {"°", 9, {12, 12}},
        {"\xff"
         "a",
         12,
         {24, 16}},  // a stray byte counts as a full-width character
    };
    const FixedFontMetrics metrics;
    for (const Case& c : cases) {
        const TextExtent extent = metrics.Measure("宋体", c.size, false, c.text);
        EXPECT_EQ(extent.width, c.extent.width) << c.text << " at " << c.size;
        EXPECT_EQ(extent.height, c.extent.height) << c.text << " at " << c.size;
    }
}

TEST(FixedFontMetrics, IgnoresFaceAndWeight) {
    const FixedFontMetrics metrics;
    const TextExtent bold = metrics.Measure("Arial", 20, true, "国民");
    EXPECT_EQ(bold.width, 54);
    EXPECT_EQ(bold.height, 27);
}

}  // namespace
}  // namespace tavrel
