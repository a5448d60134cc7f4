#include <gtest/gtest.h>

#include "places/city_editor.h"
#include "places/custom_place.h"
#include "places/time_zones.h"
#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

TEST(CustomPlaceDialog, ChecksNameThenLongitudeThenLatitude) {
    struct Case {
        CommonPlaceTexts fields;
        std::string_view message;
        CustomPlaceField focus;
    };
    const Case cases[] = {
        {{"  ", "116 30", "39 54"}, "请输入地名！", CustomPlaceField::kName},
        {{"纽约", "180 0", "40 47"}, "经度数据在-180到180之间！", CustomPlaceField::kLongitude},
        {{"纽约", "-73 58", "-90"}, "纬度数据在-90到90之间！", CustomPlaceField::kLatitude},
    };
    for (const Case& c : cases) {
        const CustomPlaceCheck check = CheckCustomPlace(c.fields);
        EXPECT_FALSE(check.ok);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.focus, c.focus);
    }
    const CustomPlaceCheck check = CheckCustomPlace({" 纽约 ", "-73 58", "40.47"});
    ASSERT_TRUE(check.ok);
    EXPECT_EQ(check.place.name, "纽约");
    EXPECT_FLOAT_EQ(check.place.longitude, -(73 + 58 / 60.0f));
    EXPECT_EQ(CustomPlaceTexts(check.place).longitude, "-73 58");
    EXPECT_EQ(CustomPlaceTexts(check.place).latitude, "40 47");
}

TEST(CustomPlaceDialog, SavesAndRestoresTheCommonPlace) {
    TempFolder folder;
    IniFile settings(folder.File("dat/tavrelinit.ini"));
    CommonPlaceTexts texts;
    EXPECT_FALSE(ReadCommonPlace(settings, texts));
    ASSERT_TRUE(WriteCommonPlace(settings, {" 纽约 ", " -73 58", "40.47 "}));
    ASSERT_TRUE(ReadCommonPlace(IniFile(settings.Path()), texts));
    EXPECT_EQ(texts.name, "纽约");
    EXPECT_EQ(texts.longitude, "-73 58");
    EXPECT_EQ(texts.latitude, "40.47");
    ASSERT_TRUE(settings.DeleteKey("CommAddr", "lat"));
    ASSERT_TRUE(ReadCommonPlace(IniFile(settings.Path()), texts));
    EXPECT_EQ(texts.latitude, "30 0");
}

TEST(CityEditor, SplitsTheValueIntoFourFields) {
    TempFolder folder;
    const std::string path = folder.File("address.ini");
    ASSERT_TRUE(
        WriteFileAtomically(path, Utf8ToGbk("[北京市]\r\n北京=116:28*39:54\r\n坏=116*\r\n")));
    IniFile file(path);
    const CityValueFields fields = ReadCityValueFields(file, 1, "北京");
    EXPECT_EQ(fields.longitudeDegrees, "116");
    EXPECT_EQ(fields.longitudeMinutes, "28");
    EXPECT_EQ(fields.latitudeDegrees, "39");
    EXPECT_EQ(fields.latitudeMinutes, "54");
    const CityValueFields missing = ReadCityValueFields(file, 1, "天津");
    EXPECT_EQ(missing.longitudeDegrees, "120");
    EXPECT_EQ(missing.latitudeMinutes, "0");
    const CityValueFields bad = ReadCityValueFields(file, 1, "坏");
    EXPECT_EQ(bad.longitudeDegrees, "116");
    EXPECT_EQ(bad.longitudeMinutes, "");
    EXPECT_EQ(CityEditQuestion(1, "北京"), "确定要修改：北京市北京 的经纬度数据吗？");
}

TEST(CityEditor, RefusesEmptyOrOutOfRangeFieldsAndWritesTheValue) {
    const std::string longitudeMessage = "经度在-180到180之间，分数在0-60之间";
    const std::string latitudeMessage = "纬度在-90到90之间，分数在0-60之间";
    struct Case {
        CityValueFields fields;
        std::string_view message;
    };
    const Case cases[] = {
        {{"116", "", "39", "54"}, longitudeMessage},   {{"116", "28", "39", ""}, latitudeMessage},
        {{"", "28", "39", "54"}, longitudeMessage},    {{"180", "0", "39", "54"}, longitudeMessage},
        {{"116", "60", "39", "54"}, longitudeMessage}, {{"116", "28", "90", "0"}, latitudeMessage},
        {{"116", "28", "3x", "0"}, latitudeMessage},
    };
    for (const Case& c : cases) {
        const CityEditCheck check = CheckCityEdit(c.fields);
        EXPECT_FALSE(check.ok);
        EXPECT_EQ(check.message, c.message);
    }
    const CityEditCheck check = CheckCityEdit({"-73", "58", "40", "47"});
    ASSERT_TRUE(check.ok);
    EXPECT_EQ(check.value, "-73:58*40:47");

    TempFolder folder;
    IniFile file(folder.File("address.ini"));
    ASSERT_TRUE(WriteCityValue(file, 1, "北京", "116:23*39:54"));
    EXPECT_EQ(IniFile(file.Path()).ReadString("北京市", "北京", ""), "116:23*39:54");
    EXPECT_FALSE(WriteCityValue(file, 34, "未知地", "1:0*1:0"));
}

TEST(TimeZones, ListsTheTwentyFourZones) {
    const auto& labels = TimeZoneLabels();
    EXPECT_EQ(labels[0], "零时区");
    EXPECT_EQ(labels[1], "东一区");
    EXPECT_EQ(labels[8], "东八区");
    EXPECT_EQ(labels[11], "东十一区");
    EXPECT_EQ(labels[12], "中十二区");
    EXPECT_EQ(labels[13], "西一区");
    EXPECT_EQ(labels[23], "西十一区");
    EXPECT_EQ(TimeZoneHours(0), 0);
    EXPECT_EQ(TimeZoneHours(8), 8);
    EXPECT_EQ(TimeZoneHours(12), 12);
    EXPECT_EQ(TimeZoneHours(13), -1);
    EXPECT_EQ(TimeZoneHours(23), -11);
    EXPECT_EQ(TimeZoneHours(24), 0);
}

}  // namespace
}  // namespace tavrel
