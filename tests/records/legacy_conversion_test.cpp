#include <gtest/gtest.h>

#include <bit>
#include <filesystem>

#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "records/case_store.h"
#include "records/comment_files.h"
#include "records/legacy_case_file.h"
#include "sqlite_shell.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

struct OldCase {
    bool deleted;
    std::string name, category;  // UTF-8; written as GBK
    std::int16_t year, month, day, hour, minute;
    std::uint8_t lunar, leap, male;
    std::int16_t province, city;
    std::int8_t zone;
    float longitude, latitude;
    std::string place, remarkFile;
};

void Put16(std::string& bytes, std::size_t at, std::int16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutFloat(std::string& bytes, std::size_t at, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void PutText(std::string& bytes, std::size_t at, std::size_t size, const std::string& utf8) {
    const std::string gbk = Utf8ToGbk(utf8).substr(0, size);
    bytes.replace(at, gbk.size(), gbk);
}

std::string OldRecord(const OldCase& c) {
    std::string bytes(kLegacyRecordSize, '\0');
    bytes[0] = '\x55';  // unread bytes carry whatever the old program left there
    bytes[4] = c.deleted ? 1 : 0;
    PutText(bytes, 5, 11, c.name);
    PutText(bytes, 16, 14, c.category);
    Put16(bytes, 30, c.year);
    Put16(bytes, 32, c.month);
    Put16(bytes, 34, c.day);
    Put16(bytes, 36, c.hour);
    Put16(bytes, 38, c.minute);
    bytes[40] = static_cast<char>(c.lunar);
    bytes[41] = static_cast<char>(c.leap);
    bytes[42] = static_cast<char>(c.male);
    Put16(bytes, 44, c.province);
    Put16(bytes, 46, c.city);
    bytes[48] = static_cast<char>(c.zone);
    PutFloat(bytes, 52, c.longitude);
    PutFloat(bytes, 56, c.latitude);
    PutText(bytes, 68, 51, c.place);
    PutText(bytes, 119, 33, c.remarkFile);
    return bytes;
}

const OldCase kOldCases[] = {
    {false, "张三", "朋友", 1980, 5, 6, 12, 30, 0, 0, 1, 3, 7, 8, 116.4f, 39.9f, "北京",
     "张三_198005061230"},
    {true, "删掉", "家人", 1990, 1, 1, 0, 0, 0, 0, 1, 0, 0, 8, 120, 30, "", "删掉_199001010000"},
    {false, "李 四", "客户", 1975, 11, 2, 23, 5, 1, 1, 0, 12, 1, 13, -73.5f, 40.7f, "纽约",
     "李 四_197511022305"},
    {false, "王五", "朋友", -50, 2, 3, 4, 5, 1, 0, 1, 34, 0, 8, 121.5f, 31.2f, "上海:浦东",
     "王五_-0500203045"},
};

class LegacyConversionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.File("dat"));
        std::string file;
        for (const OldCase& c : kOldCases) file += OldRecord(c);
        file += "trailing";  // a partial record is ignored
        ASSERT_TRUE(WriteFileAtomically(LegacyPath(), file));
        // Old comment files, one of them under its GBK name as Windows wrote it.
        ASSERT_TRUE(WriteFileAtomically(
            CommentFilePath(Root(), Utf8ToGbk("张三_198005061230")),
            "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
            "\\pard\\f0\\fs18 \\'c3\\'fc\\'d6\\'f7's \\b \\'c6\\'c0\\'d3\\'ef\\b0\\par\n}"));
        ASSERT_TRUE(WriteCommentFile(CommentFilePath(Root(), "李 四_197511022305"), "旧评语"));
    }
    std::string Root() const { return folder.Path().string(); }
    std::string LegacyPath() const { return folder.File("dat/tavrel.dat"); }

    TempFolder folder;
};

TEST_F(LegacyConversionTest, ReaderCountsWholeRecordsAndSkipsDeletedOnes) {
    MDataBase legacy;
    legacy.OpenFile(Root());
    EXPECT_EQ(legacy.GetCount(), 4);
    ASSERT_TRUE(legacy.BeginRead());
    TLegacyRecord record;
    EXPECT_FALSE(legacy.ReadRecord(-1, record));
    EXPECT_FALSE(legacy.ReadRecord(4, record));
    EXPECT_FALSE(legacy.ReadRecord(1, record));
    ASSERT_TRUE(legacy.ReadRecord(2, record));
    EXPECT_EQ(record.name, "李 四");
    EXPECT_EQ(record.zone, 13);
    EXPECT_EQ(record.longitude, -73.5f);
    EXPECT_EQ(record.placeName, "纽约");
    legacy.EndRead();
}

TEST_F(LegacyConversionTest, OpenConvertsTheOldFileOnce) {
    MRecordBase store;
    ASSERT_EQ(store.Open(folder.File("dat/tavrel.db"), Root(), true), 1) << store.GetLastError();
    EXPECT_EQ(store.GetLastError(), "已经把旧版数据库转换到新版，共转换 3 个案例！");
    EXPECT_FALSE(std::filesystem::exists(LegacyPath()));
    EXPECT_EQ(store.GetLastId(), 3);

    TRecordData zhang;
    ASSERT_TRUE(store.ReadCase(1, zhang));
    EXPECT_EQ(zhang.request.name, "张三");
    EXPECT_EQ(zhang.className, "朋友");
    EXPECT_EQ(zhang.request.longitude, 116.4f);
    EXPECT_EQ(zhang.request.isMale, 1);
    EXPECT_EQ(zhang.remarkFile, "张三_198005061230");
    EXPECT_EQ(zhang.remarkText, "命主's 评语");  // the apostrophe survives

    // A name that had to be cleaned gets a new comment file; the old comment comes with it.
    TRecordData li;
    ASSERT_TRUE(store.ReadCase(2, li));
    EXPECT_EQ(li.request.name, "李四");
    EXPECT_EQ(li.remarkFile, "李四_197511022305");
    EXPECT_EQ(li.remarkText, "旧评语");
    EXPECT_EQ(ReadCommentText(CommentFilePath(Root(), li.remarkFile)), "旧评语");
    EXPECT_TRUE(std::filesystem::exists(CommentFilePath(Root(), "李 四_197511022305")));
    EXPECT_EQ(li.request.zone, 13);
    EXPECT_EQ(li.request.isLunar, 1);
    EXPECT_EQ(li.request.isLeapMonth, 1);

    // No old comment file: the default comment, and EnsureCommentFiles writes the file.
    TRecordData wang;
    ASSERT_TRUE(store.ReadCase(3, wang));
    EXPECT_EQ(wang.request.year, -50);
    EXPECT_EQ(wang.request.placeText, "上海浦东");
    EXPECT_EQ(wang.remarkText, "输入自己的评语：");
    EXPECT_EQ(ReadCommentText(CommentFilePath(Root(), wang.remarkFile)), "输入自己的评语：");

    std::vector<std::string> categories;
    ASSERT_TRUE(store.ReadCategories(categories));
    std::vector<std::string> expected{"朋友", "客户"};
    expected.insert(expected.end(), DefaultCategories().begin(), DefaultCategories().end());
    EXPECT_EQ(categories, expected);

    MRecordBase again;
    EXPECT_EQ(again.Open(folder.File("dat/tavrel.db"), Root(), true), 0);
    EXPECT_EQ(again.GetLastId(), 3);
}

TEST_F(LegacyConversionTest, TheOldFileStaysWhenACaseCouldNotBeStored) {
    const std::string database = folder.File("dat/tavrel.db");
    MRecordBase store;
    ASSERT_EQ(store.Open(database, Root(), false), 0);
    // A row the header does not know about takes the id the second case would get.
    bool ok = false;
    testing::SqliteShell(database, "insert into case_data(id, name) values (2, 'x');", &ok);
    ASSERT_TRUE(ok);
    MRecordBase converting;
    EXPECT_EQ(converting.Open(database, Root(), true), 1);
    EXPECT_EQ(converting.GetLastError(), "已经把旧版数据库转换到新版，共转换 1 个案例！");
    EXPECT_TRUE(std::filesystem::exists(LegacyPath()));
}

}  // namespace
}  // namespace tavrel
