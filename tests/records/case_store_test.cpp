#include "records/case_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/file_util.h"
#include "records/case_names.h"
#include "records/comment_files.h"
#include "sqlite_shell.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::SqliteShell;
using testing::TempFolder;

class CaseStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.File("dat"));
        ASSERT_EQ(store.Open(DatabasePath(), Root(), true), 0) << store.GetLastError();
    }
    std::string Root() const { return folder.Path().string(); }
    std::string DatabasePath() const { return folder.File("dat/tavrel.db"); }

    TempFolder folder;
    MRecordBase store;
};

TRecordData SampleCase(const std::string& name) {
    TRecordData record;
    TChartRequest& r = record.request;
    r.name = name;
    r.year = 1980;
    r.month = 5;
    r.day = 6;
    r.hour = 12;
    r.minute = 30;
    r.zone = 8;
    r.isLunar = 1;
    r.isLeapMonth = 1;
    r.isMale = 0;
    r.provinceIndex = 3;
    r.cityIndex = 7;
    r.longitude = 116.4f;
    r.latitude = 39.9f;
    r.placeText = "北京市";
    record.className = "家人";
    record.remarkText = "命主的评语";
    record.remarkFile = name + "_198005061230";
    return record;
}

void ExpectSameCase(const TRecordData& a, const TRecordData& b) {
    EXPECT_EQ(a.request.name, b.request.name);
    EXPECT_EQ(a.request.year, b.request.year);
    EXPECT_EQ(a.request.month, b.request.month);
    EXPECT_EQ(a.request.day, b.request.day);
    EXPECT_EQ(a.request.hour, b.request.hour);
    EXPECT_EQ(a.request.minute, b.request.minute);
    EXPECT_EQ(a.request.zone, b.request.zone);
    EXPECT_EQ(a.request.isLunar, b.request.isLunar);
    EXPECT_EQ(a.request.isLeapMonth, b.request.isLeapMonth);
    EXPECT_EQ(a.request.isMale, b.request.isMale);
    EXPECT_EQ(a.request.provinceIndex, b.request.provinceIndex);
    EXPECT_EQ(a.request.cityIndex, b.request.cityIndex);
    EXPECT_EQ(a.request.longitude, b.request.longitude);
    EXPECT_EQ(a.request.latitude, b.request.latitude);
    EXPECT_EQ(a.request.placeText, b.request.placeText);
    EXPECT_EQ(a.className, b.className);
    EXPECT_EQ(a.remarkText, b.remarkText);
    EXPECT_EQ(a.remarkFile, b.remarkFile);
    EXPECT_EQ(a.extraPlaces, b.extraPlaces);
}

TEST_F(CaseStoreTest, NewDatabaseHoldsExactlyTheTwoTablesAndTheHeaderRow) {
    bool ok = false;
    EXPECT_EQ(SqliteShell(DatabasePath(), ".schema", &ok, ""),
              "CREATE TABLE case_data(id integer primary key,name char(20),sex integer,className "
              "char(20),dateY integer,dateNum char(30),dateStyle char(5),addrInd char(30),addrName "
              "varchar(150),addrNum char(40),remarkFile char(50),tag1 varchar(100),tag2 "
              "varchar(100),remarkText text);\n"
              "CREATE TABLE case_extra(PlatformId,verCode,primaryId,className,baseType);\n");
    EXPECT_TRUE(ok);
    EXPECT_EQ(SqliteShell(DatabasePath(), "select * from case_extra;"),
              "[{\"PlatformId\":0,\"verCode\":1000,\"primaryId\":0,\"className\":\"家人 亲戚朋友 "
              "富商巨贾 政界名人 社会名流 影视明星 命理学者 IT名人 宗教人士 历史人物 军事家 文学家 "
              "科学家 刑事犯罪 临时保存\",\"baseType\":\"birthData\"}]\n");
    std::vector<std::string> categories;
    ASSERT_TRUE(store.ReadCategories(categories));
    EXPECT_EQ(categories, DefaultCategories());
    EXPECT_EQ(store.ReadPrimaryId(), 0);
    EXPECT_TRUE(store.IsBaseType("birthData"));
    EXPECT_FALSE(store.IsBaseType("BirthData"));
}

TEST_F(CaseStoreTest, IdsGrowAndAreNeverReused) {
    for (int expected = 1; expected <= 3; ++expected) {
        TRecordData record = SampleCase("张三");
        EXPECT_EQ(store.InsertCase(record), expected);
        EXPECT_EQ(record.id, expected);
    }
    EXPECT_TRUE(store.DeleteCase(2));
    TRecordData record = SampleCase("李四");
    EXPECT_EQ(store.InsertCase(record), 4);
    EXPECT_EQ(store.ReadPrimaryId(), 4);

    TRecordData read;
    EXPECT_FALSE(store.ReadCase(2, read));
    EXPECT_EQ(store.GetLastError(), "");
    ASSERT_TRUE(store.ReadCase(4, read));
    EXPECT_EQ(read.id, 4);
    ExpectSameCase(read, SampleCase("李四"));

    // A second store object on the same file starts after the last id handed out.
    MRecordBase again;
    ASSERT_EQ(again.Open(DatabasePath(), Root(), false), 0);
    EXPECT_EQ(again.GetLastId(), 4);
}

TEST_F(CaseStoreTest, UpdateRewritesEveryColumnButTheId) {
    TRecordData record = SampleCase("张三");
    ASSERT_EQ(store.InsertCase(record), 1);
    TRecordData changed = SampleCase("王五");
    changed.request.isMale = 1;
    changed.request.year = -100;
    changed.extraPlaces = {4, 5, -1, 9, 9};
    changed.id = 77;
    ASSERT_TRUE(store.UpdateCase(1, changed));
    TRecordData read;
    ASSERT_TRUE(store.ReadCase(1, read));
    EXPECT_EQ(read.id, 1);
    changed.extraPlaces = {4, 5, -1, -1, -1};  // written up to the first -1
    ExpectSameCase(read, changed);
}

TEST_F(CaseStoreTest, EmptyAndMalformedCellsReadAsTheirDefaults) {
    bool ok = false;
    SqliteShell(DatabasePath(),
                "insert into case_data(id) values (1);"
                "insert into case_data(id,sex,dateY,dateNum,dateStyle,addrInd,addrNum) values "
                "(2,'x','abc','5 6','x','12 y 3 z','1.5 q');"
                "insert into case_data(id,sex,className,dateNum,dateStyle,addrInd,addrNum,"
                "remarkFile,remarkText) values (3,0,'','','','','','','');",
                &ok);
    ASSERT_TRUE(ok);
    struct Expected {
        int id;
        int male, year, month, day, hour, minute, lunar, leap, province, city, zone;
        float longitude, latitude;
        std::array<std::int32_t, 5> extra;
    };
    const Expected table[] = {
        {1, 1, 1900, 1, 1, 1, 1, 0, 0, 0, 0, 8, 120, 30, {-1, -1, -1, -1, -1}},
        {2, 0, 1900, 5, 6, 1, 1, 1, 0, 12, 0, 8, 1.5f, 0, {3, -1, -1, -1, -1}},
        {3, 0, 1900, 1, 1, 1, 1, 0, 0, 0, 0, 8, 120, 30, {-1, -1, -1, -1, -1}},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.id);
        TRecordData read;
        ASSERT_TRUE(store.ReadCase(e.id, read));
        const TChartRequest& r = read.request;
        EXPECT_EQ(r.isMale, e.male);
        EXPECT_EQ(r.year, e.year);
        EXPECT_EQ(r.month, e.month);
        EXPECT_EQ(r.day, e.day);
        EXPECT_EQ(r.hour, e.hour);
        EXPECT_EQ(r.minute, e.minute);
        EXPECT_EQ(r.isLunar, e.lunar);
        EXPECT_EQ(r.isLeapMonth, e.leap);
        EXPECT_EQ(r.provinceIndex, e.province);
        EXPECT_EQ(r.cityIndex, e.city);
        EXPECT_EQ(r.zone, e.zone);
        EXPECT_EQ(r.longitude, e.longitude);
        EXPECT_EQ(r.latitude, e.latitude);
        EXPECT_EQ(read.extraPlaces, e.extra);
        EXPECT_EQ(r.name, "");
        EXPECT_EQ(read.className, "临时保存");
        EXPECT_EQ(read.remarkText, "输入自己的评语：");
        EXPECT_EQ(read.remarkFile, " ");
    }
}

TEST_F(CaseStoreTest, HostileTextStaysInsideItsOwnCell) {
    TRecordData bystander = SampleCase("旁人");
    ASSERT_EQ(store.InsertCase(bystander), 1);

    const std::string hostile =
        std::string("a'b\"c;d--e%f") + '\0' + "g😀𠀀h'); drop table case_data;--";
    TRecordData record = SampleCase("x");
    record.request.name = hostile;
    CleanName(record.request.name, kNameCharacters);
    record.request.placeText = hostile;
    CleanName(record.request.placeText, kPlaceCharacters);
    record.className = hostile;
    CleanName(record.className, kNameCharacters);
    record.remarkText = hostile + "\n它's 命主's note";
    record.remarkFile = record.request.name + "_198005061230";
    ASSERT_EQ(store.InsertCase(record), 2);
    ASSERT_TRUE(store.UpdateCase(2, record));

    TRecordData read;
    ASSERT_TRUE(store.ReadCase(2, read));
    ExpectSameCase(read, record);
    EXPECT_NE(read.remarkText.find("它's 命主's note"), std::string::npos);
    EXPECT_EQ(read.remarkText.find('\0'), std::string("a'b\"c;d--e%f").size());
    ASSERT_TRUE(store.ReadCase(1, read));
    ExpectSameCase(read, bystander);

    // The shell sees the same rows: the apostrophes of the comment are there.
    bool ok = false;
    EXPECT_EQ(SqliteShell(DatabasePath(),
                          "select id, name, className, instr(remarkText, '它''s 命主''s note') > 0 "
                          "as kept from case_data order by id;",
                          &ok, "-list"),
              "1|旁人|家人|0\n2|" + record.request.name + "|" + record.className + "|1\n");
    EXPECT_TRUE(ok);
}

TEST_F(CaseStoreTest, CategoriesIgnoreTheCaseOfLatinLetters) {
    EXPECT_FALSE(store.AddCategory("it名人"));
    EXPECT_EQ(store.GetLastError(), "数据库已经有这个类别！");
    EXPECT_TRUE(store.AddCategory("占星"));
    std::vector<std::string> categories;
    ASSERT_TRUE(store.ReadCategories(categories));
    ASSERT_EQ(categories.size(), 16u);
    EXPECT_EQ(categories.back(), "占星");
}

TEST_F(CaseStoreTest, ABatchIsOneTransaction) {
    ASSERT_TRUE(store.BeginBatch());
    for (int i = 0; i < 3; ++i) {
        TRecordData record = SampleCase("张三");
        EXPECT_EQ(store.InsertCaseBatch(record), i + 1);
    }
    TRecordData read;
    EXPECT_TRUE(store.ReadCaseBatch(3, read));
    // Nothing is on disk for other readers before the batch ends.
    EXPECT_EQ(SqliteShell(DatabasePath(), "select count(*) from case_data;", nullptr, "-list"),
              "0\n");
    ASSERT_TRUE(store.EndBatch());
    EXPECT_EQ(SqliteShell(DatabasePath(),
                          "select count(*), (select primaryId from case_extra) "
                          "from case_data;",
                          nullptr, "-list"),
              "3|3\n");
}

TEST_F(CaseStoreTest, ABatchThatNeverEndsLeavesNothingBehind) {
    {
        MRecordBase crashing;
        ASSERT_EQ(crashing.Open(DatabasePath(), Root(), false), 0);
        ASSERT_TRUE(crashing.BeginBatch());
        TRecordData record = SampleCase("张三");
        EXPECT_EQ(crashing.InsertCaseBatch(record), 1);
    }
    MRecordBase again;
    ASSERT_EQ(again.Open(DatabasePath(), Root(), false), 0);
    EXPECT_EQ(again.GetLastId(), 0);
    TRecordData read;
    EXPECT_FALSE(again.ReadCase(1, read));
}

TEST_F(CaseStoreTest, AFailedCaseInsideABatchIsReportedAndTheOthersKept) {
    bool ok = false;
    SqliteShell(DatabasePath(), "insert into case_data(id, name) values (2, 'taken');", &ok);
    ASSERT_TRUE(ok);
    ASSERT_TRUE(store.BeginBatch());
    TRecordData first = SampleCase("张三");
    EXPECT_EQ(store.InsertCaseBatch(first), 1);
    TRecordData second = SampleCase("李四");
    EXPECT_EQ(store.InsertCaseBatch(second), -1);
    EXPECT_EQ(store.GetLastError(), "无法保存案例！");
    ASSERT_TRUE(store.EndBatch());
    TRecordData read;
    ASSERT_TRUE(store.ReadCase(1, read));
    EXPECT_EQ(read.request.name, "张三");
}

TEST(CaseStoreOpen, AFileThatIsNotADatabaseIsReportedAndLeftAlone) {
    TempFolder folder;
    const std::string path = folder.File("tavrel.db");
    const std::string garbage =
        "this is not a database at all, only some text\n" + std::string(5000, 'x');
    for (const std::string& content :
         {garbage, "SQLite format 3" + std::string(1, '\0') + std::string(4000, '\xff')}) {
        ASSERT_TRUE(WriteFileAtomically(path, content));
        MRecordBase store;
        EXPECT_EQ(store.Open(path, folder.Path().string(), true), -1);
        EXPECT_EQ(store.GetLastError(), "无法创建或者打开数据库！");
        EXPECT_EQ(ReadFileBytes(path), content);
        TRecordData record;
        EXPECT_EQ(store.InsertCase(record), -1);
        EXPECT_FALSE(store.ReadCase(1, record));
    }
}

TEST(CaseStoreOpen, ADatabaseOfTheWindowsProgramOpensUnchanged) {
    TempFolder folder;
    const std::string path = folder.File("tavrel.db");
    bool ok = false;
    // Rows as the Windows program writes them: numbers bare, everything else quoted text.
    SqliteShell(path,
                "create table case_data(id integer primary key,name char(20),sex integer,className "
                "char(20),dateY integer,dateNum char(30),dateStyle char(5),addrInd char(30),"
                "addrName varchar(150),addrNum char(40),remarkFile char(50),tag1 varchar(100),tag2 "
                "varchar(100),remarkText text);"
                "create table case_extra(PlatformId,verCode,primaryId,className,baseType);"
                "insert into case_extra(PlatformId,verCode,primaryId,className,baseType) values "
                "(0, 1000, 7, '家人 客户', 'birthData');"
                "insert into case_data values (7, '张三', 1, '客户', 1980, '5 6 12 30', '1 0', "
                "'3 7 12', '北京', '116.400002 39.900002 8', '张三_198005061230', ' ', ' ', "
                "'评语');",
                &ok);
    ASSERT_TRUE(ok);
    const auto before = ReadFileBytes(path);

    MRecordBase store;
    ASSERT_EQ(store.Open(path, folder.Path().string(), false), 0);
    EXPECT_EQ(store.GetLastId(), 7);
    TRecordData read;
    ASSERT_TRUE(store.ReadCase(7, read));
    EXPECT_EQ(read.request.name, "张三");
    EXPECT_EQ(read.request.isMale, 1);
    EXPECT_EQ(read.request.hour, 12);
    EXPECT_EQ(read.request.isLunar, 1);
    EXPECT_EQ(read.request.longitude, 116.4f);
    EXPECT_EQ(read.extraPlaces[0], 12);
    EXPECT_EQ(read.remarkText, "评语");
    std::vector<std::string> categories;
    ASSERT_TRUE(store.ReadCategories(categories));
    EXPECT_EQ(categories, (std::vector<std::string>{"家人", "客户"}));
    EXPECT_EQ(ReadFileBytes(path), before);

    // What this program writes back has the Windows program's form again.
    ASSERT_TRUE(store.UpdateCase(7, read));
    EXPECT_EQ(SqliteShell(path,
                          "select typeof(id), typeof(sex), typeof(dateY), dateNum, dateStyle, "
                          "addrInd, addrNum, typeof(addrNum), tag1 from case_data;",
                          nullptr, "-list"),
              "integer|integer|integer|5 6 12 30|1 0|3 7 12|116.400002 39.900002 8|text| \n");
}

TEST(CaseStoreOpen, AMissingFolderCannotHoldANewDatabase) {
    TempFolder folder;
    MRecordBase store;
    EXPECT_EQ(store.Open(folder.File("no/such/folder/tavrel.db"), folder.Path().string(), false),
              -1);
    EXPECT_EQ(store.GetLastError(), "无法创建或者打开数据库！");
}

TEST(CaseStoreOpen, AHeaderTableWithoutItsRowIsReported) {
    TempFolder folder;
    const std::string path = folder.File("tavrel.db");
    bool ok = false;
    SqliteShell(path, "create table case_extra(PlatformId,verCode,primaryId,className,baseType);",
                &ok);
    ASSERT_TRUE(ok);
    MRecordBase store;
    EXPECT_EQ(store.Open(path, folder.Path().string(), false), -1);
    EXPECT_EQ(store.GetLastError(), "无法读取额外表的主键id！");
}

}  // namespace
}  // namespace tavrel
