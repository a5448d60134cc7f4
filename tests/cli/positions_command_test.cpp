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

// The number after "key": in a flat run of the document.
double NumberAfter(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) return -1e9;
    return std::stod(json.substr(at + key.size() + 4));
}

TEST(PositionsCommand, JsonHasTheTimesAndEveryBodyInOrder) {
    const CliRun run = Cli({"positions", "--ut", "2000-01-01 12:00", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(NumberAfter(run.out, "jd_ut"), 2451545.0);
    const double deltaT = NumberAfter(run.out, "delta_t_s");
    EXPECT_NEAR(deltaT, 63.87, 0.01);
    EXPECT_NEAR(NumberAfter(run.out, "jd_tt"), 2451545.0 + deltaT / 86400, 1e-9);
    std::size_t last = 0;
    for (const char* key :
         {"\"sun\": {\"lon\": ", "\"moon\"", "\"mercury\"", "\"venus\"", "\"mars\"", "\"jupiter\"",
          "\"saturn\"", "\"uranus\"", "\"neptune\"", "\"pluto\""}) {
        const std::size_t at = run.out.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
    // The apparent Sun of J2000.0 is at 280.37°, a hair below the ecliptic.
    const double sunLon = NumberAfter(run.out.substr(run.out.find("\"sun\"")), "lon");
    EXPECT_NEAR(sunLon, 280.3689, 0.001);
}

TEST(PositionsCommand, TtReadsTheClockAsDynamicalTime) {
    const CliRun run = Cli({"positions", "--ut", "2000-01-01 12:00", "--tt", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(NumberAfter(run.out, "jd_tt"), 2451545.0);
    EXPECT_NEAR(NumberAfter(run.out, "jd_ut"), 2451545.0 - 63.87 / 86400, 1e-7);
}

TEST(PositionsCommand, DisplayYearsBeforeChristAndTheJulianCalendar) {
    // −1 is 1 BC, astronomical year 0: 1 BC 1 January 12:00 Julian is JD 1721058.
    const CliRun bc = Cli({"positions", "--ut", "-1-01-01 12:00", "--json"});
    ASSERT_EQ(bc.status, 0) << bc.err;
    EXPECT_EQ(NumberAfter(bc.out, "jd_ut"), 1721058.0);
    const CliRun julian = Cli({"positions", "--ut", "1582-10-04 00:00:30", "--json"});
    ASSERT_EQ(julian.status, 0) << julian.err;
    EXPECT_NEAR(NumberAfter(julian.out, "jd_ut"), 2299159.5 + 30.0 / 86400, 1e-9);
}

TEST(PositionsCommand, TextListsTheBodies) {
    const CliRun run = Cli({"positions", "--ut", "2024-03-20 03:06"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* name : {"sun", "moon", "mercury", "pluto", "delta T"}) {
        EXPECT_NE(run.out.find(name), std::string::npos) << name;
    }
}

TEST(PositionsCommand, BadInstantsAreUsageErrors) {
    for (const char* text :
         {"", "2000-01-01", "2000-13-01 00:00", "2000-02-30 00:00", "1900-02-29 00:00",
          "0-01-01 00:00", "1582-10-10 12:00", "2000-01-01 24:00", "2000-01-01 12:60",
          "2000-01-01 12:00:60", "2000-01-01 12:00:", "2000-01-01T12:00", "+2000-01-01 12:00",
          "99999999999-01-01 00:00", "2000-01-01 12:00 x"}) {
        const CliRun run = Cli({"positions", "--ut", text});
        EXPECT_EQ(run.status, 2) << text;
        EXPECT_NE(run.err.find("usage: tavrel-cli positions"), std::string::npos) << text;
        EXPECT_TRUE(run.out.empty()) << text;
    }
    EXPECT_EQ(Cli({"positions"}).status, 2);
    EXPECT_EQ(Cli({"positions", "--ut"}).status, 2);
    EXPECT_EQ(Cli({"positions", "--ut", "2000-01-01 12:00", "extra"}).status, 2);
}

}  // namespace
}  // namespace tavrel::cli
