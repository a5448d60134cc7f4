#include <gtest/gtest.h>


#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace tavrel::cli {
namespace {

using testing::CliRun;

// The shipped place file sits in the build's data folder.
CliRun Cli(const std::vector<std::string>& words, const std::string& root = TAVREL_RUNTIME_DIR) {
    return testing::Cli(words, root);
}

TEST(PlaceCommand, FindsCitiesInTheShippedPlaceFile) {
    const CliRun run = Cli({"place", "--find", "杭州", "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"matches\": [{\"province\": \"浙江省\", \"city\": \"杭州\", \"lon\": 120.2, "
              "\"lat\": 30.25}]}\n");
    const CliRun text = Cli({"place", "--find", "杭州"});
    EXPECT_EQ(text.out, "浙江省杭州  120:12  30:15\n");
}

TEST(PlaceCommand, ListsEveryMatchInProvinceOrder) {
    const CliRun run = Cli({"place", "--find", "朝阳", "--json"});
    EXPECT_EQ(run.status, 0);
    const std::size_t beijing = run.out.find("\"北京市\", \"city\": \"朝阳区\"");
    const std::size_t liaoning = run.out.find("\"辽宁省\", \"city\": \"朝阳\"");
    EXPECT_NE(beijing, std::string::npos) << run.out;
    EXPECT_NE(liaoning, std::string::npos) << run.out;
    EXPECT_LT(beijing, liaoning);
}

TEST(PlaceCommand, NoMatchNoFileAndNoName) {
    EXPECT_EQ(Cli({"place", "--find", "纽约", "--json"}).out, "{\"matches\": []}\n");
    const testing::TempFolder empty;
    EXPECT_EQ(Cli({"place", "--find", "杭州", "--json"}, empty.Path().string()).out,
              "{\"matches\": []}\n");
    const CliRun usage = Cli({"place", "--json"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("usage: tavrel-cli place --find NAME"), std::string::npos);
}

}  // namespace
}  // namespace tavrel::cli
