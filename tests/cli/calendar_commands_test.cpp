#include <gtest/gtest.h>

#include <sstream>

#include "run_cli.h"

namespace tavrel::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(std::vector<std::string> words) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(words, {"/srv/tavrel", DataRootMode::kOverride}, out, err);
    return {status, out.str(), err.str()};
}

TEST(CalendarCommands, ConvertSolarToLunar) {
    const CliRun run = Cli({"convert", "--solar", "2023-03-22 08:15", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "{\"solar\": {\"year\": 2023, \"month\": 3, \"day\": 22, \"hour\": 8, \"minute\": 15}, "
        "\"lunar\": {\"year\": 2023, \"month\": 2, \"day\": 1, \"leap\": true, "
        "\"month_length\": 29}, \"pillars\": {\"year\": \"癸卯\", \"month\": \"乙卯\", "
        "\"day\": \"己卯\", \"hour\": \"戊辰\"}, \"animal\": \"兔\", \"era\": \"[当代] 中国  "
        "公历纪元2023年\"}\n");
}

TEST(CalendarCommands, ConvertLunarToSolarAndItsFailure) {
    const CliRun leap = Cli({"convert", "--lunar", "2023-2-1 08:15", "--leap", "--json"});
    EXPECT_EQ(leap.status, 0) << leap.err;
    EXPECT_NE(leap.out.find("\"solar\": {\"year\": 2023, \"month\": 3, \"day\": 22"),
              std::string::npos);
    const CliRun missing = Cli({"convert", "--lunar", "2023-2-30 08:15", "--leap", "--json"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "{\"error\": \"不存在这个农历日期，无法转换到公历！\"}\n");
    const CliRun bc = Cli({"convert", "--solar", "-1-06-01 12:00", "--json"});
    EXPECT_EQ(bc.status, 0) << bc.err;
    EXPECT_NE(bc.out.find("\"solar\": {\"year\": -1,"), std::string::npos);
}

TEST(CalendarCommands, BadInputIsAUsageError) {
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"convert"},
             {"convert", "--solar", "0-01-01 00:00"},
             {"convert", "--solar", "2023-13-01 00:00"},
             {"convert", "--solar", "2023-01-01"},
             {"convert", "--solar", "2023-01-01 00:00", "--lunar", "2023-1-1 00:00"},
             {"lunar-year", "0"},
             {"lunar-year", "10000"},
             {"terms"},
             {"terms", "x"}}) {
        EXPECT_EQ(Cli(words).status, 2) << words.size();
    }
    EXPECT_EQ(Cli({"convert", "--solar", "1582-10-10 00:00"}).status, 1);
}

TEST(CalendarCommands, LunarYearListsTheMonthsBeginningInTheYear) {
    const CliRun run = Cli({"lunar-year", "2023", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"year\": 2023, \"months\": [{\"first_day\": \"2023-01-22\", "
                            "\"month\": 1, \"leap\": false, \"length\": 29}, {\"first_day\": "
                            "\"2023-02-20\", \"month\": 2, \"leap\": false, \"length\": 30}, "
                            "{\"first_day\": \"2023-03-22\", \"month\": 2, \"leap\": true, "
                            "\"length\": 29}",
                            0),
              0u)
        << run.out;
}

TEST(CalendarCommands, TermsOfAYear) {
    const CliRun run = Cli({"terms", "2024", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"year\": 2024, \"terms\": [{\"name\": \"小寒\", \"index\": 0, "
                            "\"time\": \"2024-01-06 04:49\"}, {\"name\": \"大寒\"",
                            0),
              0u)
        << run.out;
}

}  // namespace
}  // namespace tavrel::cli
