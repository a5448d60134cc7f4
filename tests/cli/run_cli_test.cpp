#include "support/cli_run.h"

#include <gtest/gtest.h>

#include "tavrel/version.h"

namespace tavrel::cli {
namespace {

using testing::Cli;
using testing::CliRun;

TEST(RunCli, VersionAndHelp) {
    EXPECT_EQ(Cli({"--version"}).out, std::string("tavrel-cli ") + kVersion + "\n");
    EXPECT_EQ(Cli({"--version", "--json"}).out,
              std::string("{\"version\": \"") + kVersion + "\"}\n");
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("paths"), std::string::npos);
}

TEST(RunCli, UsageErrorsExitTwoWithAMessageOnStderr) {
    for (const auto& words :
         std::vector<std::vector<std::string>>{{}, {"no-such-command"}, {"paths", "--bogus"}}) {
        const CliRun run = Cli(words);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("usage: tavrel-cli"), std::string::npos);
    }
}

TEST(RunCli, PathsNamesTheDataFiles) {
    const CliRun run = Cli({"paths", "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"data_root\": \"/srv/tavrel\", \"mode\": \"TAVREL_HOME\", "
              "\"settings\": \"/srv/tavrel/dat/set.ini\", "
              "\"window_settings\": \"/srv/tavrel/dat/tavrelinit.ini\", "
              "\"places\": \"/srv/tavrel/dat/address.ini\", "
              "\"database\": \"/srv/tavrel/dat/tavrel.db\", "
              "\"comments\": \"/srv/tavrel/tavrel_f\"}\n");
}

}  // namespace
}  // namespace tavrel::cli
