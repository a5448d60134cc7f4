#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace tavrel::cli {
namespace {

using testing::CliRun;

class CastCommand : public ::testing::Test {
  protected:
    CliRun Cli(std::vector<std::string> words) {
        words.insert(words.begin(), {"cast", "--settings", folder_.File("set.ini")});
        return testing::Cli(words, TAVREL_RUNTIME_DIR);
    }

    testing::TempFolder folder_;
};

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

TEST_F(CastCommand, JsonHasEveryPartInOrder) {
    const CliRun run = Cli({"--date", "1984-02-10 09:30", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::size_t last = 0;
    for (const char* key :
         {"{\"request\": ", "\"time\": ", "\"pillars\": ", "\"stars\": [",
          "\"life_palace\": ", "\"body_palace\": ", "\"fortune\": ", "\"houses\": [",
          "\"sun_rise\": ", "\"sun_set\": ", "\"day_birth\": true", "\"year_stars\": "}) {
        const std::size_t at = run.out.find(key, last);
        ASSERT_NE(at, std::string::npos) << key;
        last = at;
    }
    EXPECT_NE(run.out.find("\"pillars\": {\"year\": \"甲子\", \"month\": \"丙寅\", \"day\": "
                           "\"甲戌\", \"hour\": \"己巳\"}"),
              std::string::npos);
    const std::size_t stars = run.out.find("\"stars\": [");
    const std::string natalStars = run.out.substr(stars, run.out.find("\"life_palace\": ") - stars);
    EXPECT_EQ(Count(natalStars, "{\"id\": "), 15u);
    EXPECT_NE(run.out.find("{\"id\": 14, \"name\": \"命度\", \"lon\": "), std::string::npos);
    EXPECT_NE(run.out.find("\"ten_gods\": [\"比火　甲\", \"劫孛　乙\""), std::string::npos);
    EXPECT_NE(run.out.find("\"sound_element\": \"金\""), std::string::npos);
    EXPECT_EQ(run.out.back(), '\n');
}

TEST_F(CastCommand, JsonHasLimitsPillarsDataAndPalaceTables) {
    const CliRun run = Cli({"--date", "1984-02-10 09:30", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::size_t last = run.out.find("\"year_stars\": ");
    for (const char* key :
         {"\"palace_tables\": {\"natal\": [{\"palace\": ",
          "\"limits\": [{\"label\": \"命宫\", \"start\": ", "\"childhood\": {\"years\": ",
          "\"four_pillars\": {\"direction\": 1, "}) {
        const std::size_t at = run.out.find(key, last);
        ASSERT_NE(at, std::string::npos) << key;
        last = at;
    }
    EXPECT_EQ(Count(run.out, "\"start_age\": "), 12u + 2u);  // limits, childhood, four pillars
    EXPECT_EQ(Count(run.out, "\"spirits\": ["), 12u + 12u);  // natal and moving tables
    EXPECT_EQ(Count(run.out, "{\"pillar\": "), 10u);
    // A yang-year man counts forward from the 丙寅 month.
    EXPECT_NE(run.out.find("\"luck_pillars\": [{\"pillar\": \"丁卯\", \"age\": "),
              std::string::npos);
    EXPECT_NE(run.out.find("\"pillar_spirits\": [["), std::string::npos);
}

TEST_F(CastCommand, JsonHasTheLayoutMovingAndAnnualCharts) {
    const CliRun run =
        Cli({"--date", "1984-02-10 09:30", "--annual", "2026-12-11 14:35", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::size_t last = run.out.find("\"year_stars\": ");
    for (const char* key :
         {"\"layout\": [{\"sector\": 0, \"placements\": [{\"id\": ", "\"label\": [", "\"foot\": [",
          "\"label_point\": [", "\"angle\": ", "\"own\": [",
          "\"aspects\": [{\"aspect\": 1, \"name\": \"守\", \"angle\": 0, \"orb\": 3, ",
          "\"palace_tables\": {\"natal\": [", "\"moving\": [", "\"annual\": [",
          "\"moving\": {\"stars\": [{\"id\": 0, ",
          "\"annual\": {\"moment\": \"2026-12-11 14:35\", \"jd_beijing\": ",
          "\"pillars\": {\"year\": \"丙午\", \"month\": \"庚子\", ", "\"age\": 43, ",
          "\"small_limit\": ", "\"running_limit_lon\": ", "\"stars\": [{\"id\": 0, "}) {
        const std::size_t at = run.out.find(key, last);
        ASSERT_NE(at, std::string::npos) << key;
        last = at;
    }
    EXPECT_EQ(Count(run.out, "{\"sector\": "), 12u);
    EXPECT_NE(run.out.find("\"partner_place\": "), std::string::npos);

    const CliRun late = Cli({"--date", "1984-02-10 09:30", "--annual", "2099-01-01 00:00"});
    ASSERT_EQ(late.status, 0) << late.err;
    EXPECT_NE(late.out.find("流年 流年时间应在行限范围内！"), std::string::npos);
    const CliRun lateJson =
        Cli({"--date", "1984-02-10 09:30", "--annual", "2099-01-01 00:00", "--json"});
    EXPECT_NE(lateJson.out.find("\"annual\": {\"error\": \"流年时间应在行限范围内！\"}"),
              std::string::npos);
    EXPECT_EQ(Cli({"--date", "1984-02-10 09:30", "--annual", "2026-02-30 12:00"}).status, 2);
}

TEST_F(CastCommand, TextShowsTheTimeBlockAndTheStars) {
    const CliRun run = Cli({"--date", "1984-02-10 09:30", "--female", "--name", "乙"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* part : {"乙 坤造", "北京时间 1984-02-10 09:30", "真太阳时 1984-02-10 09:16",
                             "农历     1984年正月初九", "四柱     甲子 丙寅 甲戌 己巳", "冥王星",
                             "命宫 ", "日出 ", "纳音 金", "比火　甲", "童限 ", "大运 乙丑"}) {
        EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
    }
}

TEST_F(CastCommand, PlaceTextFromThePlaceFile) {
    const CliRun run = Cli({"--date", "2000-06-01 12:00", "--place", "浙江省杭州", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"lat\": 30.25, \"place\": \"浙江省杭州\""), std::string::npos)
        << run.out.substr(0, 400);
    // Coordinates given with it win; the text is then only shown.
    const CliRun given = Cli({"--date", "2000-06-01 12:00", "--place", "某地", "--lon", "90:30",
                              "--lat", "40:0", "--json"});
    ASSERT_EQ(given.status, 0) << given.err;
    EXPECT_NE(given.out.find("\"lon\": 90.5, \"lat\": 40, \"place\": \"某地\""), std::string::npos)
        << given.out.substr(0, 400);
    EXPECT_EQ(Cli({"--date", "2000-06-01 12:00", "--place", "火星"}).status, 1);
}

TEST_F(CastCommand, FailuresCarryTheEngineMessage) {
    const CliRun solar = Cli({"--date", "1582-10-10 12:00", "--json"});
    EXPECT_EQ(solar.status, 1);
    EXPECT_EQ(solar.out, "{\"error\": \"不存在这个日期\"}\n");
    const CliRun lunar = Cli({"--date", "2024-05-01 12:00", "--lunar", "--leap"});
    EXPECT_EQ(lunar.status, 1);
    EXPECT_NE(lunar.err.find("不存在这个农历日期，无法转换到公历！"), std::string::npos);
    EXPECT_EQ(Cli({"--date", "2201-01-01 00:00"}).status, 1);
    EXPECT_EQ(Cli({}).status, 2);
}

TEST_F(CastCommand, SettingsFileSteersTheCast) {
    // By default the late 子 hour counts to the next day; the first cast writes the file.
    const CliRun next = Cli({"--date", "2024-03-10 23:20", "--json"});
    ASSERT_EQ(next.status, 0) << next.err;
    EXPECT_NE(next.out.find("\"day\": \"甲戌\", \"hour\": \"甲子\""), std::string::npos);
    std::FILE* file = std::fopen(folder_.File("set.ini").c_str(), "a");
    ASSERT_NE(file, nullptr);
    std::fputs("[tavrel]\r\nzishi=3\r\n", file);
    std::fclose(file);
    const CliRun same = Cli({"--date", "2024-03-10 23:20", "--json"});
    ASSERT_EQ(same.status, 0) << same.err;
    EXPECT_NE(same.out.find("\"day\": \"癸酉\", \"hour\": \"壬子\""), std::string::npos);
}

}  // namespace
}  // namespace tavrel::cli
