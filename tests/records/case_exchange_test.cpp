#include "records/case_exchange.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "case_fixture.h"
#include "platform/file_util.h"
#include "records/comment_files.h"
#include "sqlite_shell.h"

namespace tavrel {
namespace {

using testing::MakeCase;
namespace fs = std::filesystem;

class CaseExchangeTest : public testing::StoreTest {
  protected:
    // Three cases with their comment files.
    void AddThree() {
        for (const char* name : {"张三", "李四", "王五"}) {
            TRecordData record = MakeCase(name, 1980, 5, 6, 12, 30, "家人");
            ASSERT_NE(Add(record), -1);
            ASSERT_TRUE(
                WriteCommentFile(CommentFilePath(store.ProgramFolder(), record.remarkFile), name));
        }
    }
    // Every case of the store, read one by one, by name.
    std::vector<std::string> Names() {
        MRecordBase reader;
        EXPECT_EQ(reader.Open(store.DatabasePath(), store.ProgramFolder(), false), 0);
        std::vector<std::string> names;
        for (std::int32_t id = 1; id <= reader.GetLastId(); ++id) {
            TRecordData record;
            if (reader.ReadCase(id, record)) names.push_back(record.request.name);
        }
        return names;
    }
    using Names_t = std::vector<std::string>;
};

TEST_F(CaseExchangeTest, ImportDatabaseRenamesCommentFilesThatExist) {
    AddThree();
    testing::TempFolder other;
    MRecordBase source;
    ASSERT_EQ(source.Open(other.File("tavrel.db"), other.Path().string(), false), 0);
    TRecordData record = MakeCase("张三", 1980, 5, 6, 12, 30, "新类");
    record.remarkText = "另一个评语";
    ASSERT_NE(source.InsertCase(record), -1);
    CaseExchange exchange(store, nullptr);
    std::vector<std::string> progress;
    EXPECT_EQ(exchange.ImportDatabase(other.File("tavrel.db"),
                                      [&](const std::string& text) { progress.push_back(text); }),
              1);
    EXPECT_EQ(progress, (std::vector<std::string>{"导入进度：100％"}));
    TRecordData imported;
    ASSERT_TRUE(store.ReadCase(4, imported));
    EXPECT_EQ(imported.remarkFile, "张三_198005061230");
    EXPECT_EQ(ReadCommentText(CommentFilePath(store.ProgramFolder(), "张三_198005061230")),
              "另一个评语");
    EXPECT_EQ(ReadCommentText(CommentFilePath(store.ProgramFolder(), "张三_1980")), "张三");
    std::vector<std::string> categories;
    ASSERT_TRUE(store.ReadCategories(categories));
    EXPECT_EQ(categories.back(), "新类");
}

TEST_F(CaseExchangeTest, ImportOfAnotherTypeOrGarbageChangesNothing) {
    AddThree();
    testing::TempFolder other;
    const std::string foreign = other.File("foreign.db");
    {
        MRecordBase source;
        ASSERT_EQ(source.Open(foreign, other.Path().string(), false), 0);
        TRecordData record = MakeCase("x", 1, 1, 1, 1, 1);
        ASSERT_NE(source.InsertCase(record), -1);
    }
    bool ok = false;
    testing::SqliteShell(foreign, "UPDATE case_extra SET baseType='other';", &ok);
    ASSERT_TRUE(ok);
    const auto foreignBytes = ReadFileBytes(foreign);
    CaseExchange exchange(store, nullptr);
    EXPECT_EQ(exchange.ImportDatabase(foreign, nullptr), 0);
    EXPECT_EQ(exchange.GetLastError(), "不是相同的数据库类型，无法导入！");
    EXPECT_EQ(ReadFileBytes(foreign), foreignBytes);

    const std::string garbage = other.File("garbage.db");
    ASSERT_TRUE(WriteFileAtomically(garbage, std::string(5000, '\x5A')));
    EXPECT_EQ(exchange.ImportDatabase(garbage, nullptr), 0);
    EXPECT_EQ(exchange.GetLastError(), "无法打开导入的数据库文件！");
    const std::string truncated = other.File("truncated.db");
    ASSERT_TRUE(WriteFileAtomically(truncated, foreignBytes->substr(0, foreignBytes->size() / 2)));
    EXPECT_EQ(exchange.ImportDatabase(truncated, nullptr), 0);
    EXPECT_EQ(Names(), (Names_t{"张三", "李四", "王五"}));
}

TEST_F(CaseExchangeTest, ExportDatabaseTakesTheChosenCategoriesAndRefusesAnExistingFile) {
    AddThree();
    Add(MakeCase("赵六", 1970, 1, 1, 0, 0, "IT名人"));
    CaseExchange exchange(store, nullptr);
    const std::string file = folder.File("out.db");
    std::vector<std::string> progress;
    EXPECT_EQ(exchange.ExportDatabase(file, {"it名人"}, false,
                                      [&](const std::string& text) { progress.push_back(text); }),
              1);
    EXPECT_EQ(progress.back(), "导出进度：100％");
    MRecordBase target;
    ASSERT_EQ(target.Open(file, folder.Path().string(), false), 0);
    TRecordData record;
    ASSERT_TRUE(target.ReadCase(1, record));
    EXPECT_EQ(record.request.name, "赵六");
    std::vector<std::string> categories;
    ASSERT_TRUE(target.ReadCategories(categories));
    EXPECT_EQ(categories, (std::vector<std::string>{"IT名人"}));
    EXPECT_EQ(exchange.ExportDatabase(file, {}, true, nullptr), 0);
    EXPECT_EQ(exchange.GetLastError(), "当前时间的数据库文件已经存在，请稍后再导出！");
    std::tm now{};
    now.tm_year = 126;
    now.tm_mon = 11;
    now.tm_mday = 11;
    now.tm_hour = 9;
    now.tm_min = 5;
    now.tm_sec = 7;
    EXPECT_EQ(ExportDatabaseFileName("/d", now), "/d/Tavrel_2026年12月11日9时5分7秒.db");
    EXPECT_EQ(BackupFolderName("/d", now), "/d/Tavrel_备份_2026年12月11日9时5分7秒/");
}

TEST_F(CaseExchangeTest, ReorganiseRenumbersAndDropsUnusedCategories) {
    for (int id = 1; id <= 9; ++id) {
        Add(MakeCase("人" + std::to_string(id), 1980, 1, id, 0, 0, id == 5 ? "历史人物" : "家人"));
    }
    for (int id : {1, 3, 4, 6, 7, 8}) ASSERT_TRUE(store.DeleteCase(id));
    EXPECT_EQ(ReorganiseRefusal(499), "案例数据过少，无需整理！");
    EXPECT_EQ(ReorganiseRefusal(500), "");
    CaseExchange exchange(store, nullptr);
    std::vector<std::string> progress;
    EXPECT_EQ(exchange.Reorganise([&](const std::string& text) { progress.push_back(text); }), 3);
    EXPECT_EQ(progress.back(), "整理进度：100％");
    EXPECT_EQ(store.GetLastId(), 3);
    EXPECT_EQ(Names(), (Names_t{"人2", "人5", "人9"}));
    std::vector<std::string> categories;
    ASSERT_TRUE(store.ReadCategories(categories));
    EXPECT_EQ(categories, (std::vector<std::string>{"家人", "历史人物"}));
    EXPECT_FALSE(fs::exists(folder.File("tavrel_back.db")));
}

TEST_F(CaseExchangeTest, ReorganiseWhoseRenameFailsKeepsTheOldDatabase) {
    AddThree();
    ASSERT_TRUE(store.DeleteCase(1));
    FileOperations files = RealFileOperations();
    files.rename = [](const std::string&, const std::string&) { return false; };
    CaseExchange exchange(store, nullptr, files);
    EXPECT_EQ(exchange.Reorganise(nullptr), 0);
    EXPECT_EQ(exchange.GetLastError(), "无法更改文件名！");
    EXPECT_EQ(Names(), (Names_t{"李四", "王五"}));
    TRecordData record;
    EXPECT_TRUE(store.ReadCase(3, record));
}

TEST_F(CaseExchangeTest, BackupAndRestore) {
    CaseExchange exchange(store, nullptr);
    Add(MakeCase("张三", 1980, 5, 6, 12, 30));
    const std::string empty = folder.File("empty/");
    fs::create_directories(empty);
    EXPECT_FALSE(exchange.BackupTo(empty));
    EXPECT_EQ(exchange.GetLastError(), "找不到评语文件！");
    EXPECT_TRUE(fs::exists(empty + "tavrel.db"));

    AddThree();
    const std::string backup = folder.File("backup/");
    fs::create_directories(backup);
    ASSERT_TRUE(exchange.BackupTo(backup));
    EXPECT_EQ(ReadFileBytes(backup + "tavrel_f/save.txt"), "save\r\n");
    EXPECT_TRUE(fs::exists(backup + "tavrel_f/李四_1980.rtf"));

    // Changes after the backup are undone by the restore.
    ASSERT_TRUE(store.DeleteCase(2));
    Add(MakeCase("新人", 2000, 1, 1, 0, 0));
    ASSERT_TRUE(WriteCommentFile(CommentFilePath(store.ProgramFolder(), "新人_2000"), "新"));
    ASSERT_TRUE(exchange.RestoreFrom(backup));
    EXPECT_EQ(Names(), (Names_t{"张三", "张三", "李四", "王五"}));
    EXPECT_FALSE(FindCommentFile(store.ProgramFolder(), "新人_2000"));
    EXPECT_EQ(ReadCommentText(CommentFilePath(store.ProgramFolder(), "李四_1980")), "李四");
    EXPECT_FALSE(exchange.RestoreFrom(folder.File("nothing")));
    EXPECT_EQ(exchange.GetLastError(), "没有源db文件！");
}

TEST_F(CaseExchangeTest, RestoreWhoseCopyFailsHalfWayKeepsTheCurrentData) {
    AddThree();
    const std::string backup = folder.File("backup/");
    fs::create_directories(backup);
    CaseExchange exchange(store, nullptr);
    ASSERT_TRUE(exchange.BackupTo(backup));
    ASSERT_TRUE(store.DeleteCase(1));
    int copies = 0;
    FileOperations files = RealFileOperations();
    const auto realCopy = files.copy;
    files.copy = [&](const std::string& from, const std::string& to) {
        return ++copies < 3 && realCopy(from, to);  // the database and one comment file
    };
    CaseExchange failing(store, nullptr, files);
    EXPECT_FALSE(failing.RestoreFrom(backup));
    EXPECT_EQ(failing.GetLastError(), "无法复制评语文件！");
    EXPECT_EQ(Names(), (Names_t{"李四", "王五"}));
    for (const char* base : {"张三_1980", "李四_1980", "王五_1980"}) {
        EXPECT_TRUE(FindCommentFile(store.ProgramFolder(), base)) << base;
    }
    EXPECT_FALSE(fs::exists(store.DatabasePath() + ".restore"));
}

TEST_F(CaseExchangeTest, DeleteAllDataAndItsCode) {
    AddThree();
    EXPECT_EQ(MakeDeleteCode(42), "0042");
    EXPECT_EQ(DeleteCodeTitle("0042"), "删除码：0042 ");
    CaseExchange exchange(store, nullptr);
    ASSERT_TRUE(exchange.DeleteAllData());
    EXPECT_FALSE(fs::exists(store.DatabasePath()));
    EXPECT_FALSE(FindCommentFile(store.ProgramFolder(), "张三_1980"));
}

}  // namespace
}  // namespace tavrel
