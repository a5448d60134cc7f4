#include "records/birthday_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "case_fixture.h"
#include "platform/file_util.h"
#include "records/case_exchange.h"
#include "records/comment_files.h"

namespace tavrel {
namespace {

using testing::MakeCase;
constexpr int kZhejiang = 11;

// 浙江省 with 宁波 before 杭州, so the match must look for the named city.
PlaceList SmallPlaceList() {
    PlaceList places;
    places[kZhejiang] = {{"宁波", 121.5f, 29.9f}, {"杭州", 120.2f, 30.3f}};
    return places;
}

TEST(ParseBirthdayLine, FieldsDefaultsAndSkippedLines) {
    const auto line = ParseBirthdayLine("张三 男 1980-5-6-12:30 浙江省杭州市\r");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->name, "张三");
    EXPECT_TRUE(line->male);
    EXPECT_EQ(line->year, 1980);
    EXPECT_EQ(line->month, 5);
    EXPECT_EQ(line->day, 6);
    EXPECT_EQ(line->hour, 12);
    EXPECT_EQ(line->minute, 30);
    EXPECT_EQ(line->place, "浙江省杭州市");

    const auto other = ParseBirthdayLine("李四 female x-y-z-h:m");
    ASSERT_TRUE(other);
    EXPECT_FALSE(other->male);
    EXPECT_EQ(other->year, 1900);
    EXPECT_EQ(other->month, 6);
    EXPECT_EQ(other->day, 15);
    EXPECT_EQ(other->hour, 12);
    EXPECT_EQ(other->minute, 30);
    EXPECT_EQ(other->place, "");

    EXPECT_FALSE(ParseBirthdayLine("-50-1-2-3:4 x"));  // the name would be the date
    for (const char* skipped : {"张三 男 1-2", "张三 男 1980-5-6-12", "张三男1980-5-6-12:30",
                                "一二三四五六七八九十壹 男 1980-5-6-12:30"}) {
        EXPECT_FALSE(ParseBirthdayLine(skipped)) << skipped;
    }
    // 20 bytes of name are taken, 21 are not.
    EXPECT_TRUE(ParseBirthdayLine("abcdefghijklmnopqrst 男 1980-5-6-12:30"));
    EXPECT_FALSE(ParseBirthdayLine("abcdefghijklmnopqrstu 男 1980-5-6-12:30"));
    EXPECT_FALSE(ParseBirthdayLine("张三 男 1980-5-6-12:30 " + std::string(301, 'x')));
}

TEST(CaseOfBirthdayLine, PlaceMatching) {
    const PlaceList places = SmallPlaceList();
    const TRecordData found = CaseOfBirthdayLine(
        *ParseBirthdayLine("张三 男 1980-5-6-12:30 浙江省杭州市"), places, "家人");
    EXPECT_EQ(found.request.provinceIndex, kZhejiang);
    EXPECT_EQ(found.request.cityIndex, 1);
    EXPECT_EQ(found.request.placeText, "浙江省杭州市");
    EXPECT_FLOAT_EQ(found.request.longitude, 120.2f);
    EXPECT_EQ(found.request.zone, 8);
    EXPECT_EQ(found.request.isLunar, 0);
    EXPECT_EQ(found.className, "家人");
    EXPECT_EQ(found.remarkText, "输入自己的评语：");
    for (const char* text : {"张三 男 1980-5-6-12:30", "张三 男 1980-5-6-12:30 浙江省温州",
                             "张三 男 1980-5-6-12:30 杭州"}) {
        const TRecordData unknown = CaseOfBirthdayLine(*ParseBirthdayLine(text), places, "家人");
        EXPECT_EQ(unknown.request.provinceIndex, 34) << text;
        EXPECT_EQ(unknown.request.placeText, "未知地") << text;
        EXPECT_FLOAT_EQ(unknown.request.longitude, 120);
        EXPECT_FLOAT_EQ(unknown.request.latitude, 30);
    }
}

TEST(FormatBirthdayLine, LunarCasesAreWrittenWithTheirSolarDate) {
    TRecordData record = MakeCase("张三", 1980, 5, 6, 12, 30);
    EXPECT_EQ(FormatBirthdayLine(record, nullptr), "张三 男 1980-5-6-12:30 北京市东城");
    record.request.isLunar = 1;
    record.request.isMale = 0;
    record.request.provinceIndex = 34;
    const LunarToSolarFn fake = [](const TDateRec&, bool leap, TDateRec& solar) {
        solar = {1980, static_cast<std::int16_t>(leap ? 7 : 6), 18, 0, 0};
        return true;
    };
    EXPECT_EQ(FormatBirthdayLine(record, fake), "张三 女 1980-6-18-12:30");
    EXPECT_FALSE(FormatBirthdayLine(record, nullptr));
}

TEST(BirthdayFileCategory, NameWithoutExtension) {
    EXPECT_EQ(BirthdayFileCategory("/x/家人.txt"), "家人");
    EXPECT_EQ(BirthdayFileCategory("/x/一二三四五六七八九十.txt"), "一二三四五六七八九十");
    EXPECT_EQ(BirthdayFileCategory("/x/一二三四五六七八九十a.txt"), std::nullopt);
}

class BirthdayImportTest : public testing::StoreTest {};

TEST_F(BirthdayImportTest, ImportTwiceGivesDistinctCommentFiles) {
    const std::string file = folder.File("朋友.txt");
    ASSERT_TRUE(WriteFileAtomically(
        file,
        "\xEF\xBB\xBF张三 男 1980-5-6-12:30 浙江省杭州市\r\n张三 男 1980-5-6-12:30\r\nshort\r\n"));
    CaseExchange exchange(store, nullptr);
    EXPECT_EQ(exchange.ImportBirthdayFile(file, SmallPlaceList()), 2);
    // The mark is gone from the file, the rest is as it was.
    EXPECT_EQ(ReadFileBytes(file),
              "张三 男 1980-5-6-12:30 浙江省杭州市\r\n张三 男 1980-5-6-12:30\r\nshort\r\n");
    EXPECT_EQ(exchange.ImportBirthdayFile(file, SmallPlaceList()), 2);
    std::vector<std::string> names;
    for (std::int32_t id = 1; id <= 4; ++id) {
        TRecordData record;
        ASSERT_TRUE(store.ReadCase(id, record));
        EXPECT_EQ(record.className, "朋友");
        names.push_back(record.remarkFile);
        EXPECT_TRUE(FindCommentFile(store.ProgramFolder(), record.remarkFile)) << record.remarkFile;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"张三_198005061230", "张三_198005061230_0",
                                               "张三_198005061230_1", "张三_198005061230_2"}));
    std::vector<std::string> categories;
    ASSERT_TRUE(store.ReadCategories(categories));
    EXPECT_EQ(categories.back(), "朋友");

    const std::string longName = folder.File("一二三四五六七八九十a.txt");
    ASSERT_TRUE(WriteFileAtomically(longName, "张三 男 1980-5-6-12:30\r\n"));
    EXPECT_EQ(exchange.ImportBirthdayFile(longName, SmallPlaceList()), 0);
}

TEST_F(BirthdayImportTest, ExportedFilesImportBack) {
    Add(MakeCase("张三", 1980, 5, 6, 12, 30, "家人"));
    Add(MakeCase("李四", 1990, 1, 2, 3, 4, "历史人物", false));
    TRecordData lunar = MakeCase("王五", 1980, 5, 6, 8, 0, "家人");
    lunar.request.isLunar = 1;
    Add(lunar);
    const LunarToSolarFn fake = [](const TDateRec&, bool, TDateRec& solar) {
        solar = {1980, 6, 18, 0, 0};
        return true;
    };
    CaseExchange exchange(store, fake);
    const std::string out = folder.File("out");
    EXPECT_EQ(exchange.ExportBirthdayFiles(out, {"家人"}, false), 2);
    EXPECT_EQ(ReadFileBytes(out + "/家人.txt"),
              "张三 男 1980-5-6-12:30 北京市东城\r\n王五 男 1980-6-18-8:0 北京市东城\r\n");
    EXPECT_FALSE(std::filesystem::exists(out + "/历史人物.txt"));
    EXPECT_EQ(exchange.ExportBirthdayFiles(out, {}, true), 3);
    EXPECT_EQ(exchange.ImportBirthdayFile(out + "/家人.txt", SmallPlaceList()), 2);
    TRecordData back;
    ASSERT_TRUE(store.ReadCase(5, back));
    EXPECT_EQ(back.request.isLunar, 0);
    EXPECT_EQ(back.request.month, 6);
    EXPECT_EQ(back.request.day, 18);
    EXPECT_EQ(back.request.zone, 8);
    EXPECT_EQ(exchange.ExportBirthdayFiles(folder.File("tavrel.db") + "/x", {}, true), -1);
}

}  // namespace
}  // namespace tavrel
