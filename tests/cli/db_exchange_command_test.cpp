#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/data_root.h"
#include "platform/file_util.h"
#include "run_cli.h"
#include "support/temp_folder.h"

namespace tavrel::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class DbExchangeCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.File("dat"));
        // The place file is GBK: [浙江省] 宁波, 杭州.
        ASSERT_TRUE(
            WriteFileAtomically(folder.File("dat/address.ini"),
                                "[\xD5\xE3\xBD\xAD\xCA\xA1]\r\n\xC4\xFE\xB2\xA8=121:30*29:54\r\n"
                                "\xBA\xBC\xD6\xDD=120:12*30:18\r\n"));
        ASSERT_TRUE(WriteFileAtomically(folder.File("家人.txt"),
                                        "张三 男 1980-5-6-12:30 浙江省杭州市\r\n"
                                        "小张 女 1975-1-1-13:0\r\n"
                                        "李四 男 1990-7-8-11:20\r\n"));
    }
    CliRun Cli(std::vector<std::string> words) {
        words.push_back("--json");
        std::ostringstream out;
        std::ostringstream err;
        const int status =
            RunCli(words, {folder.Path().string(), DataRootMode::kOverride}, out, err);
        return {status, out.str(), err.str()};
    }

    tavrel::testing::TempFolder folder;
};

TEST_F(DbExchangeCommandTest, ImportSearchFindTree) {
    CliRun run = Cli({"db", "import-birthdays", folder.File("家人.txt")});
    ASSERT_EQ(run.status, 0) << run.err << run.out;
    EXPECT_EQ(run.out, "{\"count\": 3}\n");
    run = Cli({"db", "show", "1"});
    EXPECT_NE(run.out.find("\"province\": 11, \"city\": 1"), std::string::npos) << run.out;

    EXPECT_EQ(Cli({"db", "search", "--name", "张"}).out, "{\"ids\": [1, 2]}\n");
    EXPECT_EQ(Cli({"db", "search", "--name", "张", "--whole-name"}).out, "{\"ids\": []}\n");
    EXPECT_EQ(Cli({"db", "search", "--sex", "female", "--years", "1970..1979"}).out,
              "{\"ids\": [2]}\n");
    EXPECT_EQ(Cli({"db", "search", "--province", "浙江省"}).out, "{\"ids\": [1]}\n");
    run = Cli({"db", "search", "--years", "..1980"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("年份必须在-850到2100年之间"), std::string::npos);
    EXPECT_EQ(Cli({"db", "find", "张", "1980"}).out, "{\"ids\": [1]}\n");
    EXPECT_EQ(Cli({"db", "find", "午时"}).out, "{\"ids\": [1, 3]}\n");

    run = Cli({"db", "tree", "--order", "time-desc", "--view", "list"});
    EXPECT_EQ(run.out,
              "{\"nodes\": [{\"text\": \"李四      公1990-07-08 11:20\", \"id\": 3, \"children\": "
              "[]}, {\"text\": \"张三      公1980-05-06 12:30\", \"id\": 1, \"children\": []}, "
              "{\"text\": \"小张      公1975-01-01 13:00\", \"id\": 2, \"children\": []}]}\n");
    run = Cli({"db", "tree"});
    EXPECT_EQ(run.out.rfind("{\"nodes\": [{\"text\": \"家人\", \"category\": \"家人\", "
                            "\"children\": [{\"text\": \"李四",
                            0),
              0u)
        << run.out;
    EXPECT_EQ(Cli({"db", "tree", "--order", "newest"}).status, 1);
}

TEST_F(DbExchangeCommandTest, ExportBackupRestoreReorganise) {
    ASSERT_EQ(Cli({"db", "import-birthdays", folder.File("家人.txt")}).status, 0);
    CliRun run = Cli({"db", "export-birthdays", folder.File("out"), "--category", "家人 朋友"});
    EXPECT_EQ(run.out, "{\"count\": 3}\n");
    EXPECT_TRUE(std::filesystem::exists(folder.File("out/家人.txt")));
    run = Cli({"db", "export-db", folder.Path().string()});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.rfind("{\"count\": 3, \"file\": ", 0), 0u);

    run = Cli({"db", "backup", folder.File("saved")});
    ASSERT_EQ(run.status, 0) << run.out;
    const std::string marker = "\"folder\": \"";
    const std::size_t at = run.out.find(marker) + marker.size();
    const std::string backup = run.out.substr(at, run.out.find('"', at) - at);
    ASSERT_EQ(Cli({"db", "delete", "2"}).status, 0);
    run = Cli({"db", "restore", backup});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Cli({"db", "show", "2"}).status, 0);

    run = Cli({"db", "reorganise"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "{\"error\": \"案例数据过少，无需整理！\"}\n");
    run = Cli({"db", "import-db", folder.File("nothing.db")});
    EXPECT_EQ(run.out, "{\"error\": \"不存在这个数据库文件，无法导入！\"}\n");
    EXPECT_EQ(Cli({"db", "find"}).status, 2);
}

TEST_F(DbExchangeCommandTest, LunarCasesTravelWithTheirSolarDate) {
    // 正月初一 of 1980 is 1980-02-16.
    ASSERT_EQ(Cli({"db", "add", "--name", "春生", "--lunar", "--date", "1980-01-01 08:00",
                   "--category", "节日"})
                  .status,
              0);
    ASSERT_EQ(Cli({"db", "export-birthdays", folder.File("out")}).out, "{\"count\": 1}\n");
    EXPECT_EQ(ReadFileBytes(folder.File("out/节日.txt")), "春生 男 1980-2-16-8:0\r\n");
    const CliRun run = Cli({"db", "tree", "--order", "time-asc", "--view", "list"});
    EXPECT_NE(run.out.find("\"id\": 1"), std::string::npos) << run.out;
    EXPECT_EQ(Cli({"db", "tree", "--sex", "male"}).status, 2);
}

}  // namespace
}  // namespace tavrel::cli
