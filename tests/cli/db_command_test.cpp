#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/data_root.h"
#include "records/comment_files.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace tavrel::cli {
namespace {

using testing::CliRun;

class DbCommandTest : public ::testing::Test {
  protected:
    CliRun Cli(const std::vector<std::string>& words) { return testing::Cli(words, Root()); }
    std::string Root() const { return folder.Path().string(); }

    tavrel::testing::TempFolder folder;
};

TEST_F(DbCommandTest, AddShowListUpdateDelete) {
    CliRun run = Cli(
        {"db",      "add",     "--name", "张 三",      "--female", "--date",    "-50-02-03 04:05",
         "--lunar", "--leap",  "--zone", "17",         "--lon",    "116:24",    "--lat",
         "39.9",    "--place", "北京",   "--category", "朋友",     "--comment", "It's 命主's note",
         "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"id\": 1}\n");

    run = Cli({"db", "show", "1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"case\": {\"id\": 1, \"name\": \"张三\", \"male\": false, \"year\": -50, "
              "\"month\": 2, \"day\": 3, \"hour\": 4, \"minute\": 5, \"lunar\": true, \"leap\": "
              "true, \"zone\": 17, \"province\": 34, \"city\": 0, \"lon\": 116.4, \"lat\": 39.9, "
              "\"place\": \"北京\", \"category\": \"朋友\", \"comment\": \"It's 命主's note\", "
              "\"comment_file\": \"张三_-04902030405\"}}\n");
    EXPECT_EQ(ReadCommentText(CommentFilePath(Root(), "张三_-04902030405")), "It's 命主's note");

    ASSERT_EQ(Cli({"db", "add", "--date", "2000-01-01 00:00"}).status, 0);
    run = Cli({"db", "update", "2", "--name", "李四", "--comment", "改过", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"id\": 2}\n");
    run = Cli({"db", "list"});
    EXPECT_EQ(run.out,
              "1  张三  朋友  -050-02-03 04:05 农历闰月\n"
              "2  李四  临时保存  2000-01-01 00:00\n");
    // The comment file keeps the name it was given when the case was added.
    EXPECT_EQ(ReadCommentText(CommentFilePath(Root(), "甲_200001010000")), "改过");

    run = Cli({"db", "delete", "1", "--json"});
    EXPECT_EQ(run.out, "{\"id\": 1}\n");
    EXPECT_FALSE(std::filesystem::exists(CommentFilePath(Root(), "张三_-04902030405")));
    run = Cli({"db", "list", "--json"});
    EXPECT_EQ(run.out.rfind("{\"cases\": [{\"id\": 2, \"name\": \"李四\"", 0), 0u) << run.out;
    run = Cli({"db", "show", "1", "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "{\"error\": \"no case with id 1\"}\n");
}

TEST_F(DbCommandTest, CategoriesAndInfo) {
    ASSERT_EQ(Cli({"db", "add", "--date", "1980-05-06 12:30", "--category", "ZhanXing"}).status, 0);
    // A category that differs only in the case of its letters is the same category.
    ASSERT_EQ(Cli({"db", "add", "--date", "1980-05-06 12:30", "--category", "zhanxing"}).status, 0);
    CliRun run = Cli({"db", "categories", "--json"});
    EXPECT_EQ(run.out,
              "{\"categories\": [\"家人\", \"亲戚朋友\", \"富商巨贾\", \"政界名人\", \"社会名流\", "
              "\"影视明星\", \"命理学者\", \"IT名人\", \"宗教人士\", \"历史人物\", \"军事家\", "
              "\"文学家\", \"科学家\", \"刑事犯罪\", \"临时保存\", \"ZhanXing\"]}\n");
    run = Cli({"db", "info", "--json"});
    EXPECT_EQ(run.out, "{\"database\": \"" + Root() + "/dat/tavrel.db\", \"comments\": \"" +
                           Root() +
                           "/tavrel_f\", \"base_type\": \"birthData\", \"last_id\": 2, \"cases\": "
                           "2, \"categories\": 16}\n");
}

TEST_F(DbCommandTest, AnotherDatabaseFileAndItsFailures) {
    const std::string other = folder.File("other.db");
    ASSERT_EQ(Cli({"db", "add", "--db", other, "--date", "1999-09-09 09:09"}).status, 0);
    EXPECT_NE(Cli({"db", "info", "--db", other, "--json"}).out.find("\"cases\": 1"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.File("dat/tavrel.db")));

    const std::string garbage = folder.File("garbage.db");
    std::ofstream(garbage) << std::string(3000, 'g');
    const CliRun run = Cli({"db", "list", "--db", garbage, "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "{\"error\": \"无法创建或者打开数据库！\"}\n");
}

TEST_F(DbCommandTest, TheDefaultDatabaseTakesInTheOldCaseFile) {
    std::string record(152, '\0');
    record.replace(5, 2, "Li");
    const unsigned char fields[] = {0xBC, 0x07, 5, 0, 6, 0, 12, 0, 30, 0};  // 1980-05-06 12:30
    for (std::size_t i = 0; i < sizeof fields; ++i) record[30 + i] = static_cast<char>(fields[i]);
    record[48] = 8;
    std::filesystem::create_directories(folder.File("dat"));
    std::ofstream(folder.File("dat/tavrel.dat"), std::ios::binary) << record;

    // The conversion notice is not taken for the reason a case is missing.
    CliRun run = Cli({"db", "show", "5", "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("共转换 1 个案例"), std::string::npos);
    EXPECT_EQ(run.out, "{\"error\": \"no case with id 5\"}\n");
    run = Cli({"db", "show", "1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"case\": {\"id\": 1, \"name\": \"Li\"", 0), 0u) << run.out;
    EXPECT_FALSE(std::filesystem::exists(folder.File("dat/tavrel.dat")));
}

TEST_F(DbCommandTest, UsageErrors) {
    const std::vector<std::vector<std::string>> table = {
        {"db"},
        {"db", "bogus"},
        {"db", "show"},
        {"db", "show", "x"},
        {"db", "show", "0"},
        {"db", "list", "--name", "x"},
        {"db", "add"},
        {"db", "add", "--date", "0-01-01 00:00"},
        {"db", "add", "--date", "1980-13-01 00:00"},
        {"db", "add", "--date", "1980-01-01"},
        {"db", "add", "--date", "1980-01-01 00:00", "--leap"},
        {"db", "add", "--date", "1980-01-01 00:00", "--zone", "24"},
        {"db", "add", "--date", "1980-01-01 00:00", "--zone", "-1"},
        {"db", "add", "--date", "1980-01-01 00:00", "--lon", "116:60"},
        {"db", "add", "--date", "1980-01-01 00:00", "--lon", "181"},
        {"db", "add", "--date", "1980-01-01 00:00", "--male", "--female"},
    };
    for (const auto& words : table) {
        const CliRun run = Cli(words);
        EXPECT_EQ(run.status, 2) << words.back();
        EXPECT_NE(run.err.find("usage: tavrel-cli db"), std::string::npos) << words.back();
    }
}

}  // namespace
}  // namespace tavrel::cli
