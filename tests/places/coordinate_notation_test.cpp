#include "places/coordinate_notation.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

constexpr float kWestern = -(73.0f + 58.0f / 60.0f);

TEST(ReadCoordinates, AcceptsTheThreeSeparatorsAndSignedDegrees) {
    struct Case {
        const char* longitude;
        const char* latitude;
        double expectedLongitude;
        double expectedLatitude;
    };
    const Case cases[] = {
        {"117:48", "25:42", 117.8, 25.7},
        {"117-48", "25-42", 117.8, 25.7},
        {"117：48", " 25：42 ", 117.8, 25.7},
        {"-73:58", "-33:27", -(73 + 58 / 60.0), -(33 + 27 / 60.0)},
        {"179:59", "89:59", 179 + 59 / 60.0, 89 + 59 / 60.0},
        {"-0:30", "-0:15", -0.5, -0.25},
    };
    for (const Case& c : cases) {
        const CoordinateReading reading = ReadCoordinates(c.longitude, c.latitude);
        ASSERT_TRUE(reading.ok) << c.longitude << " " << c.latitude << ": " << reading.message;
        EXPECT_FLOAT_EQ(reading.longitude, static_cast<float>(c.expectedLongitude)) << c.longitude;
        EXPECT_FLOAT_EQ(reading.latitude, static_cast<float>(c.expectedLatitude)) << c.latitude;
    }
}

TEST(ReadCoordinates, RefusesWithTheRightMessageAndCaption) {
    struct Case {
        const char* longitude;
        const char* latitude;
        std::string_view message;
        std::string_view caption;
    };
    const Case cases[] = {
        {"12", "25:42", kCoordinateFormatHint, kCoordinateFormatCaption},
        {"117:48", "2:", kCoordinateFormatHint, kCoordinateFormatCaption},
        {"11748", "25:42", kCoordinateFormatHint, kCoordinateFormatCaption},
        {":11748", "25:42", kCoordinateFormatHint, kCoordinateFormatCaption},
        {"117:48", "2542:", kCoordinateFormatHint, kCoordinateFormatCaption},
        {"117:60", "25:42", "分数在0-59", kCoordinateFormatCaption},
        {"117:x", "25:42", "分数在0-59", kCoordinateFormatCaption},
        {"181:00", "25:42", "经度在-180至180之间", kLongitudeErrorCaption},
        {"东经:48", "25:42", "经度在-180至180之间", kLongitudeErrorCaption},
        {"117:48", "91:00", "纬度在-90至90之间", kCoordinateFormatCaption},
        {"117:48", "25:-1", "分数在0-59", kCoordinateFormatCaption},
        {"180:00", "25:42", "经度在-180至180之间，纬度在-90至90之间", kCoordinateFormatCaption},
        {"117:48", "-90:00", "经度在-180至180之间，纬度在-90至90之间", kCoordinateFormatCaption},
    };
    for (const Case& c : cases) {
        const CoordinateReading reading = ReadCoordinates(c.longitude, c.latitude);
        EXPECT_FALSE(reading.ok) << c.longitude << " " << c.latitude;
        EXPECT_EQ(reading.message, c.message) << c.longitude << " " << c.latitude;
        EXPECT_EQ(reading.caption, c.caption) << c.longitude << " " << c.latitude;
    }
}

TEST(ShowCoordinates, TruncatesDegreesAndRoundsMinutesHalfDown) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {116.5, "116:30"},   {116 + 28 / 60.0, "116:28"}, {kWestern, "-73:58"}, {116.125, "116:7"},
        {116.1251, "116:8"}, {116.9999, "117:0"},         {-0.5, "-0:30"},      {-0.001, "0:0"},
        {0, "0:0"},
    };
    for (const Case& c : cases) EXPECT_EQ(ShowCoordinate(c.value), c.text) << c.value;
    const CoordinateTexts texts = ShowCoordinates(120, 30);
    EXPECT_EQ(texts.longitude, "120:0");
    EXPECT_EQ(texts.latitude, "30:0");
}

TEST(ShowCoordinates, AWesternPlaceReadsBackToTheSameValue) {
    for (const float value : {kWestern, -0.5f, -179.75f, 121.45f}) {
        const CoordinateReading reading = ReadCoordinates(ShowCoordinate(value), "30:0");
        ASSERT_TRUE(reading.ok) << value;
        EXPECT_NEAR(reading.longitude, value, 0.5 / 60) << value;
    }
    EXPECT_FLOAT_EQ(ReadCoordinates(ShowCoordinate(kWestern), "30:0").longitude, kWestern);
}

TEST(CustomNotation, ReadsDegreesAndMinutes) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"116 30", 116.5},    {"116.30", 116.5}, {"116,30", 116.5},
        {" 116  30 ", 116.5}, {"116", 116},      {"-73 58", -(73 + 58 / 60.0)},
        {"116 75", 116.25},   {"116.3.5", 116},  {"abc", 0},
        {"-0 30", -0.5},      {".30", 0},        {"120 0", 120},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(ReadCustomCoordinate(c.text), c.value) << c.text;
}

TEST(CustomNotation, WritesWhatItReads) {
    EXPECT_EQ(WriteCustomCoordinate(kWestern), "-73 58");
    EXPECT_EQ(WriteCustomCoordinate(116.5), "116 30");
    EXPECT_EQ(WriteCustomCoordinate(116.9999), "117 0");
    EXPECT_EQ(WriteCustomCoordinate(-0.25), "-0 15");
    EXPECT_FLOAT_EQ(static_cast<float>(ReadCustomCoordinate(WriteCustomCoordinate(kWestern))),
                    kWestern);
}

}  // namespace
}  // namespace tavrel
