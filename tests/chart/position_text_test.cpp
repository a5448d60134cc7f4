#include "chart/position_text.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(PositionText, DegreesAndMinutesAreTruncated) {
    EXPECT_EQ(FormatDegreesMinutes(5.5), "05:30");
    EXPECT_EQ(FormatDegreesMinutes(17.99999), "17:59");
    EXPECT_EQ(FormatDegreesMinutes(0), "00:00");
    EXPECT_EQ(FormatDegreesMinutes(29.9916), "29:59");
    TPlacedPoint point{};
    point.mansion = 0;
    point.degreeInMansion = 10.0999;
    point.palace = 11;
    point.degreeInSign = 9.99;
    EXPECT_EQ(FormatMansionDegree(point), "轸水10:05 ");
    EXPECT_EQ(FormatSignDegree(point), "戌09:59 ");
    point.mansion = 22;
    point.palace = 1;
    EXPECT_EQ(FormatMansionDegree(point), "井木10:05 ");
    EXPECT_EQ(FormatSignDegree(point), "子09:59 ");
}

}  // namespace
}  // namespace tavrel
