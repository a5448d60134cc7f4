// Twenty births over 1600–2200 cast without error, and their four pillars agree with a count made
// here from first principles: the Sun's apparent longitude and the 立春 instant from the Swiss
// Ephemeris, the day from the Julian day number, the month and hour stems by the 五虎遁 and
// 五鼠遁 rules.

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <string>

#include "chart/zx_china.h"
#include "platform/fixed_font_metrics.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

struct Moment {
    int year, month, day, hour, minute;
};

// The index of the sexagenary cycle as the chart keeps it (1 = 甲子 … 0 = 癸亥) from stem
// 0 = 甲 … 9 and branch 0 = 子 … 11.
int CycleIndex(int stem, int branch) { return (((6 * stem - 5 * branch) % 60 + 60) % 60 + 1) % 60; }

int Mod(int x, int n) { return (x % n + n) % n; }

class CastPillarsEphemeris : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        char path[] = "/usr/share/libswe/ephe";
        swe_set_ephe_path(path);
    }
    static void TearDownTestSuite() { swe_close(); }

    static double BeijingJd(const Moment& m) {
        return swe_julday(m.year, m.month, m.day, m.hour + m.minute / 60.0, SE_GREG_CAL);
    }

    // The Beijing minute `offset` minutes from the instant the Sun reaches `longitude` in `year`.
    static Moment NearTerm(int year, double longitude, int offset) {
        char error[AS_MAXCH] = {};
        const double crossing =
            swe_solcross_ut(longitude, swe_julday(year, 1, 1, 0, SE_GREG_CAL), SEFLG_SWIEPH, error);
        const double minutes = std::round((crossing + 8.0 / 24 + offset / 1440.0 + 0.5) * 1440);
        int y = 0, mo = 0, d = 0;
        double hours = 0;
        swe_revjul(minutes / 1440 - 0.5, SE_GREG_CAL, &y, &mo, &d, &hours);
        const int total = static_cast<int>(std::lround(hours * 60));
        return {y, mo, d, total / 60, total % 60};
    }

    struct Pillars {
        int year, month, day, hour;
    };

    // Beijing time, the late 子 hour counted to the next day.
    static Pillars Reference(const Moment& m) {
        const double jdBeijing = BeijingJd(m);
        const double jdUt = jdBeijing - 8.0 / 24;
        char error[AS_MAXCH] = {};
        const double spring =
            swe_solcross_ut(315, swe_julday(m.year, 1, 1, 0, SE_GREG_CAL), SEFLG_SWIEPH, error);
        const int pillarYear = jdUt < spring ? m.year - 1 : m.year;
        const int yearNumber = Mod(pillarYear - 1984, 60);  // 1984 is 甲子

        double xx[6] = {};
        swe_calc_ut(jdUt, SE_SUN, SEFLG_SWIEPH, xx, error);
        const int fromTiger = static_cast<int>(std::floor(std::fmod(xx[0] - 315 + 720, 360) / 30));
        const int tigerStem = (yearNumber % 10 % 5 * 2 + 2) % 10;  // 甲己之年丙作首
        const int month = CycleIndex((tigerStem + fromTiger) % 10, (2 + fromTiger) % 12);

        const long dayNumber = static_cast<long>(std::floor(jdBeijing + 0.5)) + (m.hour == 23);
        const int day = static_cast<int>(Mod(static_cast<int>(dayNumber % 60) + 49, 60));
        const int hourBranch = (m.hour + 1) / 2 % 12;
        const int ratStem = day % 10 % 5 * 2;  // 甲己还加甲
        const int hour = CycleIndex((ratStem + hourBranch) % 10, hourBranch);
        return {(yearNumber + 1) % 60, month, (day + 1) % 60, hour};
    }

    static TChartRequest Request(const Moment& m) {
        TChartRequest request;
        request.year = static_cast<int16_t>(m.year);
        request.month = static_cast<int16_t>(m.month);
        request.day = static_cast<int16_t>(m.day);
        request.hour = static_cast<int16_t>(m.hour);
        request.minute = static_cast<int16_t>(m.minute);
        request.zone = 8;
        request.isMale = 1;
        request.longitude = 116.4F;
        request.latitude = 39.9F;
        return request;
    }

    static void ExpectPillars(const CZxChina& chart, const Moment& m, const std::string& label) {
        const Pillars want = Reference(m);
        const TTimeBlock& time = chart.Time();
        EXPECT_EQ(time.yearPillar, want.year) << label;
        EXPECT_EQ(time.monthPillar, want.month) << label;
        EXPECT_EQ(time.dayPillar, want.day) << label;
        EXPECT_EQ(time.hourPillar, want.hour) << label;
    }

    testing::TempFolder folder_;
    FixedFontMetrics metrics_;
    CZxChina chart_{folder_.File("set.ini"), metrics_};
};

std::string Label(const Moment& m) {
    return std::to_string(m.year) + "-" + std::to_string(m.month) + "-" + std::to_string(m.day) +
           " " + std::to_string(m.hour) + ":" + std::to_string(m.minute);
}

TEST_F(CastPillarsEphemeris, SolarBirths) {
    struct Near {
        int year;
        double longitude;
        int offset;  // minutes; wider where ΔT is least known
    };
    const Near nearTerms[] = {
        {1600, 315, -40}, {1600, 315, 40}, {1700, 345, -30}, {1850, 15, 20},  {1949, 45, -10},
        {1984, 315, -8},  {2024, 315, 8},  {2050, 255, -10}, {2100, 285, 10}, {2199, 225, -40},
    };
    int cast = 0;
    for (const Near& near : nearTerms) {
        const Moment m = NearTerm(near.year, near.longitude, near.offset);
        ASSERT_TRUE(chart_.Cast(Request(m))) << Label(m) << " " << chart_.lastError();
        ExpectPillars(chart_, m, Label(m));
        ++cast;
    }
    const Moment fixed[] = {
        {1650, 7, 15, 23, 30}, {1800, 3, 1, 0, 10},  {2000, 1, 1, 23, 59},  {2150, 12, 31, 23, 5},
        {1900, 1, 31, 12, 0},  {1976, 7, 28, 3, 42}, {2200, 12, 31, 12, 0},
    };
    for (const Moment& m : fixed) {
        ASSERT_TRUE(chart_.Cast(Request(m))) << Label(m) << " " << chart_.lastError();
        ExpectPillars(chart_, m, Label(m));
        ++cast;
    }
    EXPECT_EQ(cast, 17);
}

TEST_F(CastPillarsEphemeris, LunarBirthsInLeapMonths) {
    struct Lunar {
        Moment lunar;
        Moment solar;  // the published first day of the leap month
    };
    const Lunar births[] = {
        {{2023, 2, 1, 10, 0}, {2023, 3, 22, 10, 0}},
        {{2020, 4, 1, 8, 0}, {2020, 5, 23, 8, 0}},
        {{2017, 6, 1, 20, 0}, {2017, 7, 23, 20, 0}},
    };
    for (const Lunar& birth : births) {
        TChartRequest request = Request(birth.lunar);
        request.isLunar = 1;
        request.isLeapMonth = 1;
        ASSERT_TRUE(chart_.Cast(request)) << Label(birth.lunar) << " " << chart_.lastError();
        const TDateRec& beijing = chart_.Time().beijingTime;
        EXPECT_EQ(beijing, (TDateRec{static_cast<int16_t>(birth.solar.year),
                                     static_cast<int16_t>(birth.solar.month),
                                     static_cast<int16_t>(birth.solar.day),
                                     static_cast<int16_t>(birth.solar.hour), 0}));
        EXPECT_EQ(chart_.Request().isLeapMonth, 1);
        EXPECT_EQ(chart_.Time().lunarDate.month, birth.lunar.month);
        EXPECT_EQ(chart_.Time().lunarDate.day, 1);
        ExpectPillars(chart_, birth.solar, Label(birth.solar));
    }
}

}  // namespace
}  // namespace tavrel
