#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace tavrel::cli {
namespace {

using testing::Cli;
using testing::CliRun;

TEST(CalendarToolsCommands, CalendarMonthAsJson) {
    const CliRun run = Cli({"calendar", "2023", "3", "--day", "22", "--time", "23:30", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"year\": 2023, \"month\": 3, \"days\": [{\"day\": 1, \"weekday\": "
                            "\"三\", \"lunar\": \"二月初十\", \"term\": null}, ",
                            0),
              0u)
        << run.out;
    EXPECT_NE(run.out.find("{\"day\": 6, \"weekday\": \"一\", \"lunar\": \"二月十五\", "
                           "\"term\": \"惊蛰\"}"),
              std::string::npos);
    EXPECT_NE(run.out.find("{\"day\": 22, \"weekday\": \"三\", \"lunar\": \"闰二月初一\", "
                           "\"term\": null}"),
              std::string::npos);
    EXPECT_NE(run.out.find("\"terms\": [{\"name\": \"惊蛰\", \"index\": 4, \"time\": "
                           "\"2023-03-06 04:36\"}, {\"name\": \"春分\", \"index\": 5, \"time\": "
                           "\"2023-03-21 05:24\"}], \"title\": \"[当代] 中国  公历纪元2023年  "
                           "【兔年】\", \"pillars\": {\"year\": \"癸卯\", \"month\": \"乙卯\", "
                           "\"day\": \"庚辰\", \"hour\": \"丙子\"}}\n"),
              std::string::npos)
        << run.out;
}

TEST(CalendarToolsCommands, CalendarTextAndRefusals) {
    const CliRun october = Cli({"calendar", "1582", "10"});
    ASSERT_EQ(october.status, 0) << october.err;
    EXPECT_EQ(october.out.rfind("1582年10月\n[明] 神宗 朱翊钧 万历10年  【马年】\n", 0), 0u);
    EXPECT_NE(october.out.find("4        九月十八     15       九月十九"), std::string::npos);

    const CliRun missing = Cli({"calendar", "2024", "4", "--day", "31", "--json"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "{\"error\": \"不存在这个日期，请重新输入！\"}\n");
    const CliRun yearZero = Cli({"calendar", "0", "1"});
    EXPECT_EQ(yearZero.status, 1);
    EXPECT_NE(yearZero.err.find("年份在-4713 到 9999年之间，并且没有公元0年"), std::string::npos);
    EXPECT_EQ(Cli({"calendar", "-4713", "1"}).status, 0);
    for (const auto& words :
         std::vector<std::vector<std::string>>{{"calendar", "2024"},
                                               {"calendar", "2024", "13"},
                                               {"calendar", "2024", "1", "--time", "24:00"}}) {
        EXPECT_EQ(Cli(words).status, 2);
    }
}

TEST(CalendarToolsCommands, FindPillars) {
    const CliRun found = Cli({"find-pillars", "甲子", "丑", "甲子", "亥", "--json"});
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out,
              "{\"found\": true, \"moment\": \"1985-01-25 22:00\", \"text\": "
              "\"符合四柱：\\r\\n1985年 1月 25日 22时 0分\\r\\n\\r\\n\", \"male\": true}\n");
    const CliRun early = Cli({"find-pillars", "甲子", "丑", "甲子", "亥", "--from", "-1"});
    EXPECT_EQ(early.out, "符合四柱：\n5年 1月 27日 22时 0分\n\n");
    const CliRun female = Cli({"find-pillars", "甲子", "丑", "甲子", "亥", "--female", "--json"});
    EXPECT_NE(female.out.find("\"male\": false}"), std::string::npos);

    const CliRun none =
        Cli({"find-pillars", "甲子", "寅", "甲子", "子", "--from", "9950", "--json"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out,
              "{\"found\": false, \"moment\": null, \"text\": "
              "\"没有符合的四柱，改变起始年反推，或许可以找到。\\r\\n\\r\\n\"}\n");

    const CliRun parity = Cli({"find-pillars", "甲丑", "寅", "甲子", "子", "--json"});
    EXPECT_EQ(parity.status, 1);
    EXPECT_EQ(parity.out, "{\"error\": \"不存在这个年柱！\"}\n");
    EXPECT_EQ(Cli({"find-pillars", "甲子", "寅", "甲子", "子", "--from", "0"}).status, 1);
    EXPECT_EQ(Cli({"find-pillars", "甲子", "甲", "甲子", "子"}).status, 2);
    EXPECT_EQ(Cli({"find-pillars", "甲子", "寅", "甲子"}).status, 2);
}

TEST(CalendarToolsCommands, FindPillarsHandsTheMomentToTheCast) {
    // The shipped data folder gives the cast its default settings.
    const CliRun cast =
        testing::Cli({"find-pillars", "甲子", "丑", "甲子", "亥", "--female", "--cast", "--json"},
                     TAVREL_RUNTIME_DIR);
    ASSERT_EQ(cast.status, 0) << cast.err;
    EXPECT_NE(cast.out.find("\"cast\": {\"request\": {\"name\": \"甲\", \"male\": false, "
                            "\"date\": \"1985-01-25 22:00\""),
              std::string::npos)
        << cast.out;
    EXPECT_NE(cast.out.find("\"pillars\": {\"year\": \"甲子\", \"month\": \"丁丑\", "
                            "\"day\": \"甲子\", \"hour\": \"乙亥\"}"),
              std::string::npos)
        << cast.out;

    // A moment before 1600 is found, then refused by the chart.
    const CliRun early = testing::Cli(
        {"find-pillars", "甲子", "寅", "甲子", "子", "--from", "1000", "--cast", "--json"},
        TAVREL_RUNTIME_DIR);
    EXPECT_EQ(early.status, 1);
    EXPECT_EQ(early.out,
              "{\"found\": true, \"moment\": \"1144-02-17 00:00\", \"text\": "
              "\"符合四柱：\\r\\n1144年 2月 17日 0时 0分\\r\\n\\r\\n\", \"male\": true, "
              "\"cast\": {\"error\": \"时间越界，年份在1600-2200之间\"}}\n");
    EXPECT_EQ(early.err, "时间越界，年份在1600-2200之间\n");
}

}  // namespace
}  // namespace tavrel::cli
