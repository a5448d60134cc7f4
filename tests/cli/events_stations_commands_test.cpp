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

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

TEST(EventsCommand, TermsAndNewMoonsOf2024) {
    const CliRun run = Cli({"events", "--year", "2024", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    // Published Beijing times: 小寒 04:49, 冬至 17:20, new moons from 01-11 19:57 to 12-31 06:26.
    EXPECT_EQ(run.out.find("{\"year\": 2024, \"terms\": [{\"name\": \"小寒\", \"index\": 0, "
                           "\"jd_bj\": "),
              0u);
    EXPECT_NE(run.out.find("\"beijing\": \"2024-01-06 04:49:"), std::string::npos);
    EXPECT_NE(run.out.find("\"name\": \"冬至\", \"index\": 23, \"jd_bj\": 2460666.2"),
              std::string::npos);
    EXPECT_NE(run.out.find("\"beijing\": \"2024-12-21 17:20:"), std::string::npos);
    EXPECT_EQ(Count(run.out, "\"index\": "), 24);
    const std::string moons = run.out.substr(run.out.find("\"new_moons\": ["));
    EXPECT_EQ(Count(moons, "\"jd_bj\": "), 13);
    EXPECT_EQ(moons.find("\"new_moons\": [{\"jd_bj\": 2460321.3"), 0u);
    EXPECT_NE(moons.find("\"beijing\": \"2024-01-11 19:57:"), std::string::npos);
    EXPECT_NE(moons.find("\"beijing\": \"2024-12-31 06:26:"), std::string::npos);
}

TEST(EventsCommand, ListsTheTermsThatFallInsideTheYear) {
    // 1582 lost ten days to the calendar reform: its 小寒 fell on 1581-12-26 (Julian), so the
    // year holds 23 terms, from 大寒 to 冬至.
    const CliRun run = Cli({"events", "--year", "1582", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Count(run.out, "\"index\": "), 23);
    EXPECT_EQ(run.out.find("{\"year\": 1582, \"terms\": [{\"name\": \"大寒\", \"index\": 1,"), 0u);
    EXPECT_NE(run.out.find("\"name\": \"冬至\", \"index\": 23,"), std::string::npos);
}

TEST(StationsCommand, JupiterFromMid2000) {
    const CliRun run =
        Cli({"stations", "--planet", "Jupiter", "--from", "2000-07-01", "--count", "2", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("{\"planet\": \"jupiter\", \"stations\": [{\"kind\": \"begin\", "
                           "\"jd_tt\": 2451817."),
              0u);
    EXPECT_NE(run.out.find("\"beijing\": \"2000-09-29 "), std::string::npos);
    EXPECT_NE(run.out.find("{\"kind\": \"end\", \"jd_tt\": 2451935."), std::string::npos);
    EXPECT_NE(run.out.find("\"beijing\": \"2001-01-25 "), std::string::npos);
    EXPECT_EQ(Count(run.out, "\"kind\""), 2);
}

TEST(StationsCommand, StartsWithTheFirstStationOnOrAfterTheDate) {
    // Mercury is retrograde on 2000-07-01, so the first station listed is the end on 07-17.
    const CliRun run =
        Cli({"stations", "--planet", "mercury", "--from", "2000-07-01", "--count", "1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("[{\"kind\": \"end\""), std::string::npos);
    EXPECT_NE(run.out.find("\"beijing\": \"2000-07-17 "), std::string::npos);
}

TEST(EventsAndStationsCommands, RejectBadWords) {
    const std::vector<std::vector<std::string>> cases = {
        {"events"},
        {"events", "--year", "0"},
        {"events", "--year", "20x4"},
        {"stations", "--planet", "pluto", "--from", "2000-01-01", "--count", "2"},
        {"stations", "--planet", "mars", "--from", "2001-02-29", "--count", "2"},
        {"stations", "--planet", "mars", "--from", "1582-10-10", "--count", "2"},
        {"stations", "--planet", "mars", "--from", "2000-01-01", "--count", "0"},
        {"stations", "--planet", "mars", "--from", "2000-01-01"},
    };
    for (const auto& words : cases) {
        EXPECT_EQ(Cli(words).status, 2) << words.back();
    }
}

}  // namespace
}  // namespace tavrel::cli
