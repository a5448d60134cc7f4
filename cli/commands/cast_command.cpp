#include "commands/cast_command.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "beijing_text.h"
#include "birth_options.h"
#include "calendar/calendar_names.h"
#include "chart/dignities.h"
#include "chart/mansions.h"
#include "chart/palaces.h"
#include "chart/position_text.h"
#include "chart/star_list.h"
#include "chart/year_stars.h"
#include "chart/zx_china.h"
#include "commands/calendar_dates.h"
#include "pillars/luck_cycles.h"
#include "places/place_file.h"
#include "platform/ini_file.h"
#include "platform/string_util.h"
#include "presentation/layout_report.h"
#include "qt_font_metrics.h"

namespace tavrel::cli {

namespace {

std::string CycleName(int n) {
    return std::string(STEM_NAME[static_cast<size_t>(n % 10)]) +
           std::string(BRANCH_NAME[static_cast<size_t>(n % 12)]);
}

// A stored single-precision value as its shortest decimal (120.2, not 120.19999694…).
double TypedDegrees(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    double typed = 0;
    std::from_chars(buffer, end, typed);
    return typed;
}

std::string Branch(int branch) { return std::string(BRANCH_NAME[static_cast<size_t>(branch)]); }

std::string LunarText(const TDateRec& lunar, bool leap) {
    return std::to_string(DisplayYearOf(lunar.year)) + "年" + LunarMonthName(lunar.month, leap) +
           LunarDayName(lunar.day);
}

std::string Fixed(double value, const char* format = "%9.4f") {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// A --place text without --lon/--lat is looked up in the place file, which then gives the
// coordinates and the place as the window would show it.
bool ResolvePlaceOption(CommandContext& context, TChartRequest& request, std::string& problem) {
    const auto place = context.args.Value("place");
    if (!place || context.args.Has("lon") || context.args.Has("lat")) return true;
    const IniFile placeFile(DataPath(context.root, kPlaceFilePath));
    PlaceChoice choice;
    if (!ResolvePlace(ReadPlaceList(placeFile), *place, choice, problem)) return false;
    request.provinceIndex = static_cast<int16_t>(choice.province);
    request.cityIndex = static_cast<int16_t>(choice.city);
    request.placeText = choice.placeText;
    request.longitude = choice.longitude;
    request.latitude = choice.latitude;
    return true;
}

Json PointJson(const TPlacedPoint& point, const CZxChina& chart) {
    const bool male = chart.Request().isMale != 0;
    return Json::MakeObject()
        .Set("lon", point.longitude)
        .Set("lat", point.latitude)
        .Set("mansion", MANSIONS[point.mansion].name)
        .Set("mansion_degree", point.degreeInMansion)
        .Set("palace", Branch(point.palace))
        .Set("palace_name", PalaceName(point.palaceNumber, male, false))
        .Set("sign_degree", point.degreeInSign);
}

std::string PointText(const TPlacedPoint& point) {
    return FormatMansionDegree(point) + FormatSignDegree(point);
}

Json TimeJson(const CZxChina& chart) {
    const TTimeBlock& time = chart.Time();
    const TChartRequest& request = chart.Request();
    const TDateRec entered{request.year, request.month, request.day, request.hour, request.minute};
    return Json::MakeObject()
        .Set("entered", FormatDateTime(entered))
        .Set("entered_lunar", request.isLunar != 0)
        .Set("zone_hours", chart.ZoneHours())
        .Set("beijing", FormatDateTime(time.beijingTime))
        .Set("local_mean", FormatDateTime(DateOfJd(time.jdLocalMean)))
        .Set("true_solar", FormatDateTime(DateOfJd(time.jdTrueSolar)))
        .Set("pillar_time", FormatDateTime(time.pillarTime))
        .Set("lunar", Json::MakeObject()
                          .Set("year", DisplayYearOf(time.lunarDate.year))
                          .Set("month", time.lunarDate.month)
                          .Set("day", time.lunarDate.day)
                          .Set("leap", request.isLeapMonth != 0)
                          .Set("month_length", time.lunarMonthLength)
                          .Set("text", LunarText(time.lunarDate, request.isLeapMonth != 0)))
        .Set("pillar_year", DisplayYearOf(time.pillarYear))
        .Set("jd_input", time.jdInput)
        .Set("jd_beijing", time.jdBeijing)
        .Set("jd_true_solar", time.jdTrueSolar)
        .Set("jd_local_mean", time.jdLocalMean)
        .Set("term_prev", time.termPrev)
        .Set("term_mid", time.termMid)
        .Set("term_next", time.termNext);
}

Json SunEventJson(double jd, int branch) {
    return Json::MakeObject()
        .Set("jd", jd)
        .Set("time", FormatDateTime(DateOfJd(jd)))
        .Set("branch", Branch(branch));
}

template <std::size_t N>
Json TextArray(const std::array<std::string, N>& texts) {
    Json array = Json::MakeArray();
    for (const std::string& text : texts) array.Push(text);
    return array;
}

template <std::size_t N>
std::string TextLine(const std::array<std::string, N>& texts) {
    std::string line;
    for (const std::string& text : texts) line += (line.empty() ? "" : " ") + text;
    return line + "\n";
}

// Names in a text where each is followed by a blank.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::string_view word = text.substr(0, blank);
        if (!word.empty()) words.emplace_back(word);
        if (blank == std::string_view::npos) break;
        text.remove_prefix(blank + 1);
    }
    return words;
}

Json WordArray(std::string_view text) {
    Json array = Json::MakeArray();
    for (const std::string& word : Words(text)) array.Push(word);
    return array;
}

Json LimitsJson(const TGridLevel& limits) {
    Json array = Json::MakeArray();
    for (int i = 0; i < limits.count; ++i) {
        const TGridRow& row = limits.rows[static_cast<size_t>(i)];
        array.Push(Json::MakeObject()
                       .Set("label", row.label)
                       .Set("start", row.start)
                       .Set("end", row.end)
                       .Set("years", TypedDegrees(row.years))
                       .Set("start_age", static_cast<int>(row.startAge))
                       .Set("end_age", static_cast<int>(row.endAge)));
    }
    return array;
}

Json FourPillarsJson(const CZxChina& chart) {
    const TFourPillars& data = chart.FourPillars();
    const TTimeBlock& time = chart.Time();
    Json luck = Json::MakeArray();
    for (int i = 1; i <= 10; ++i) {
        luck.Push(
            Json::MakeObject()
                .Set("pillar", CycleName(LuckPillar(time.monthPillar, data.luckDirection, i)))
                .Set("age", LuckCycleAge(data.luckStartAge, i))
                .Set("year", DisplayYearOf(LuckCycleYear(time.pillarYear, data.luckStartAge, i))));
    }
    Json spirits = Json::MakeArray();
    for (const TPillarText& text : data.pillarSpiritText) spirits.Push(WordArray(text.View()));
    return Json::MakeObject()
        .Set("direction", data.luckDirection)
        .Set("minutes", data.luckMinutes)
        .Set("start_age", static_cast<int>(data.luckStartAge))
        .Set("start_date", Json::MakeArray()
                               .Push(static_cast<int>(data.luckStartDate[0]))
                               .Push(static_cast<int>(data.luckStartDate[1]))
                               .Push(static_cast<int>(data.luckStartDate[2])))
        .Set("luck_pillars", std::move(luck))
        .Set("pillar_spirits", std::move(spirits))
        .Set("notes", std::string(Trim(data.specialNotes.View())));
}

Json StarsJson(const TPositionSheet& sheet) {
    Json stars = Json::MakeArray();
    for (int star = 0; star < kChartPointCount; ++star) {
        const TPlacedPoint& point = sheet.points[star];
        stars.Push(Json::MakeObject()
                       .Set("id", star)
                       .Set("name", STAR_NAME[static_cast<size_t>(star)])
                       .Set("lon", point.longitude)
                       .Set("lat", point.latitude)
                       .Set("mansion", MANSIONS[point.mansion].name)
                       .Set("mansion_degree", point.degreeInMansion)
                       .Set("palace", Branch(point.palace))
                       .Set("sign_degree", point.degreeInSign)
                       .Set("motion", static_cast<int>(point.motion))
                       .Set("dignities", Dignities(star, point)));
    }
    return stars;
}

Json PixelJson(LabelPixel pixel) { return Json::MakeArray().Push(pixel.x).Push(pixel.y); }

Json PointJson(FloatPoint point) {
    return Json::MakeArray().Push(TypedDegrees(point.x)).Push(TypedDegrees(point.y));
}

Json LayoutJson(const CZxChina& chart) {
    Json sectors = Json::MakeArray();
    for (const SectorReport& sector : ReportStarLayout(
             chart.Layouts().natal, chart.GetAspectDefinitions(), chart.Settings().bHideKing)) {
        Json placements = Json::MakeArray();
        for (const PlacementReport& placement : sector.placements) {
            Json own = Json::MakeArray();
            for (const AspectReport& aspect : placement.own) {
                own.Push(Json::MakeObject()
                             .Set("partner", aspect.partner)
                             .Set("aspect", aspect.aspect)
                             .Set("name", aspect.name)
                             .Set("separation", aspect.separation)
                             .Set("partner_place", aspect.partnerPlace));
            }
            placements.Push(Json::MakeObject()
                                .Set("id", placement.id)
                                .Set("label", PixelJson(placement.label))
                                .Set("foot", PointJson(placement.foot))
                                .Set("label_point", PointJson(placement.labelPoint))
                                .Set("angle", TypedDegrees(placement.angle))
                                .Set("own", std::move(own)));
        }
        sectors.Push(Json::MakeObject()
                         .Set("sector", sector.sector)
                         .Set("placements", std::move(placements)));
    }
    return sectors;
}

// The definitions the lists were made with, numbered as "aspect" numbers them.
Json AspectDefinitionsJson(const TXiangRelate& definitions) {
    Json array = Json::MakeArray();
    for (int i = 0; i < definitions.count; ++i) {
        const TXiangItem& item = definitions.items[i];
        array.Push(Json::MakeObject()
                       .Set("aspect", i + 1)
                       .Set("name", std::string(item.name))
                       .Set("angle", item.angle)
                       .Set("orb", item.orb)
                       .Set("colour", item.colour));
    }
    return array;
}

Json PillarsJson(const TPillars& pillars) {
    return Json::MakeObject()
        .Set("year", CycleName(pillars.year))
        .Set("month", CycleName(pillars.month))
        .Set("day", CycleName(pillars.day))
        .Set("hour", CycleName(pillars.hour));
}

Json AnnualJson(const CZxChina& chart) {
    const TAnnualState& annual = chart.Annual();
    return Json::MakeObject()
        .Set("moment", FormatDateTime(DateOfJd(annual.jdBeijing)))
        .Set("jd_beijing", annual.jdBeijing)
        .Set("pillars", PillarsJson(annual.pillars))
        .Set("age", annual.age)
        .Set("years", annual.years)
        .Set("small_limit", Branch(annual.smallLimit))
        .Set("month_limit", Branch(annual.monthLimit))
        .Set("running_limit_lon", TypedDegrees(annual.runningLongitude))
        .Set("stars", StarsJson(chart.AnnualSheet()));
}

Json PalaceTableJson(const TPalaceTable& table, bool male) {
    Json cells = Json::MakeArray();
    for (int number = 0; number < 12; ++number) {
        const TPalaceCell& cell = table.cells[number];
        Json stars = Json::MakeArray();
        for (int i = 0; i < cell.starCount; ++i) stars.Push(STAR_NAME[cell.stars[i]]);
        Json spirits = Json::MakeArray();
        for (int i = 0; i < cell.spiritCount; ++i) spirits.Push(std::string(cell.Spirit(i)));
        cells.Push(Json::MakeObject()
                       .Set("palace", Branch(cell.palace))
                       .Set("palace_name", PalaceName(number, male, false))
                       .Set("start_lon", TypedDegrees(cell.startLongitude))
                       .Set("mansion", MANSIONS[cell.mansion].name)
                       .Set("stars", std::move(stars))
                       .Set("spirits", std::move(spirits)));
    }
    return cells;
}

std::string DescribeLimitsAndPillars(const CZxChina& chart) {
    const TPositionSheet& sheet = chart.Natal();
    const TTimeBlock& time = chart.Time();
    const TFourPillars& data = chart.FourPillars();
    std::string text = "\n童限 " + std::to_string(sheet.childhoodYears) + "年" +
                       std::to_string(sheet.childhoodDays) + "天  行限起于" +
                       std::to_string(sheet.limitStartAge) + "岁\n";
    const TGridLevel& limits = chart.Grid().levels[0];
    for (int i = 0; i < limits.count; ++i) {
        const TGridRow& row = limits.rows[static_cast<size_t>(i)];
        text += row.label + " " + std::to_string(row.startAge) + "-" + std::to_string(row.endAge) +
                "岁 " + FormatDateTime(DateOfJd(row.start)) + "\n";
    }
    text += "起运 " + std::to_string(data.luckStartAge) + "岁 " +
            std::to_string(data.luckStartDate[0]) + "-" + std::to_string(data.luckStartDate[1]) +
            "-" + std::to_string(data.luckStartDate[2]) +
            (data.luckDirection > 0 ? " 顺行" : " 逆行") + "\n大运";
    for (int i = 1; i <= 10; ++i) {
        text += " " + CycleName(LuckPillar(time.monthPillar, data.luckDirection, i)) +
                std::to_string(LuckCycleAge(data.luckStartAge, i));
    }
    static constexpr const char* kPillarTitle[4] = {"年柱", "月柱", "日柱", "时柱"};
    text += "\n";
    for (int i = 0; i < 4; ++i) {
        text += std::string(kPillarTitle[i]) + " " +
                std::string(Trim(data.pillarSpiritText[i].View())) + "\n";
    }
    if (!data.specialNotes.Empty()) text += std::string(Trim(data.specialNotes.View())) + "\n";
    const bool male = chart.Request().isMale != 0;
    for (int number = 0; number < 12; ++number) {
        const TPalaceCell& cell = chart.NatalTable().cells[number];
        text += std::string(PalaceName(number, male, false)) + "(" + Branch(cell.palace) + ")";
        for (int i = 0; i < cell.spiritCount; ++i) text += " " + std::string(cell.Spirit(i));
        text += "\n";
    }
    return text;
}

enum class AnnualOutcome { kNotAsked, kCast, kFailed };

std::string StarLine(const TPositionSheet& sheet) {
    std::string line;
    for (int star = 0; star < kStarCount; ++star) {
        line += std::string(line.empty() ? "" : " ") +
                std::string(STAR_NAME[static_cast<size_t>(star)]) +
                FormatSignDegree(sheet.points[star]);
    }
    return line + "\n";
}

std::string DescribeSecondCharts(const CZxChina& chart, AnnualOutcome annual) {
    std::string text = "\n动盘 " + StarLine(chart.MovingSheet());
    if (annual == AnnualOutcome::kFailed) return text + "流年 " + chart.lastError() + "\n";
    if (annual == AnnualOutcome::kNotAsked) return text;
    const TAnnualState& state = chart.Annual();
    const TPillars& p = state.pillars;
    text += "流年 " + FormatDateTime(DateOfJd(state.jdBeijing)) + " " + CycleName(p.year) + " " +
            CycleName(p.month) + " " + CycleName(p.day) + " " + CycleName(p.hour) + "  " +
            std::to_string(state.age) + "岁  小限" + Branch(state.smallLimit) + " 月限" +
            Branch(state.monthLimit) + " 行限 " + FormatDegreesMinutes(state.runningLongitude) +
            "\n流年星 " + StarLine(chart.AnnualSheet());
    return text;
}

std::string Describe(const CZxChina& chart, const TYearStars& yearStars, AnnualOutcome annual) {
    const TTimeBlock& time = chart.Time();
    const TChartRequest& request = chart.Request();
    const TPositionSheet& sheet = chart.Natal();
    const TDateRec entered{request.year, request.month, request.day, request.hour, request.minute};
    std::string text = request.name + " " + (request.isMale != 0 ? "乾造" : "坤造") + "  " +
                       request.placeText + " " + Fixed(request.longitude, "%.4f") + "° " +
                       Fixed(request.latitude, "%.4f") + "°\n";
    text += "输入时间 " + FormatDateTime(entered) + (request.isLunar != 0 ? " (农历)" : "") +
            "  UTC" + (chart.ZoneHours() >= 0 ? "+" : "") + std::to_string(chart.ZoneHours()) +
            "\n";
    text += "北京时间 " + FormatDateTime(time.beijingTime) + "\n";
    text += "地方时   " + FormatDateTime(DateOfJd(time.jdLocalMean)) + "\n";
    text += "真太阳时 " + FormatDateTime(DateOfJd(time.jdTrueSolar)) + "\n";
    text += "干支时间 " + FormatDateTime(time.pillarTime) + "\n";
    text += "农历     " + LunarText(time.lunarDate, request.isLeapMonth != 0) + "\n";
    text += "四柱     " + CycleName(time.yearPillar) + " " + CycleName(time.monthPillar) + " " +
            CycleName(time.dayPillar) + " " + CycleName(time.hourPillar) + "\n\n";
    text += "星     经度       纬度     宿度        宫度      庙旺\n";
    for (int star = 0; star < kChartPointCount; ++star) {
        const TPlacedPoint& point = sheet.points[star];
        std::string name(STAR_NAME[static_cast<size_t>(star)]);
        const char* motion = point.motion == 1 ? "+ " : point.motion == 2 ? "- " : "  ";
        text += name + std::string(9 - name.size() / 3 * 2, ' ') + Fixed(point.longitude) + " " +
                Fixed(point.latitude, "%8.4f") + "  " + motion + PointText(point) + " " +
                Dignities(star, point) + "\n";
    }
    const bool male = request.isMale != 0;
    text += "\n命宫 " + PointText(sheet.lifePalace) + "  身宫 " + PointText(sheet.bodyPalace) +
            "(" + std::string(PalaceName(sheet.bodyPalace.palaceNumber, male, false)) + ")  福 " +
            PointText(sheet.fortunePoint) + "\n";
    text += "上升 " + FormatDegreesMinutes(sheet.ascendant) + "  天顶 " +
            FormatDegreesMinutes(sheet.midheaven) + "  宫头";
    for (const float cusp : sheet.houseCusps) text += " " + FormatDegreesMinutes(cusp);
    text += "\n日出 " + FormatDateTime(DateOfJd(sheet.jdSunrise)) + " " +
            Branch(sheet.sunriseBranch) + "时  日落 " + FormatDateTime(DateOfJd(sheet.jdSunset)) +
            " " + Branch(sheet.sunsetBranch) + "时  " + (sheet.dayBirth != 0 ? "昼生" : "夜生") +
            "\n\n";
    text += "纳音 " + std::string(SOUND_ELEMENT_NAME[sheet.soundElement]) + "\n";
    text += TextLine(yearStars.fortune) + TextLine(yearStars.transformations) +
            TextLine(yearStars.stemStars) + TextLine(yearStars.branchStars) +
            TextLine(yearStars.tenGods);
    text += DescribeLimitsAndPillars(chart);
    text += DescribeSecondCharts(chart, annual);
    return text;
}

Json CastJson(const CZxChina& chart, const TYearStars& yearStars, AnnualOutcome annual) {
    const TChartRequest& request = chart.Request();
    const TTimeBlock& time = chart.Time();
    const TPositionSheet& sheet = chart.Natal();
    const TDateRec entered{request.year, request.month, request.day, request.hour, request.minute};
    Json document = Json::MakeObject();
    document.Set("request", Json::MakeObject()
                                .Set("name", request.name)
                                .Set("male", request.isMale != 0)
                                .Set("date", FormatDateTime(entered))
                                .Set("lunar", request.isLunar != 0)
                                .Set("leap", request.isLeapMonth != 0)
                                .Set("zone", static_cast<int>(request.zone))
                                .Set("province", static_cast<int>(request.provinceIndex))
                                .Set("city", static_cast<int>(request.cityIndex))
                                .Set("lon", TypedDegrees(request.longitude))
                                .Set("lat", TypedDegrees(request.latitude))
                                .Set("place", request.placeText));
    document.Set("time", TimeJson(chart));
    document.Set("pillars", PillarsJson(TPillars{time.yearPillar, time.monthPillar, time.dayPillar,
                                                 time.hourPillar}));
    document.Set("stars", StarsJson(sheet));
    document.Set("life_palace", PointJson(sheet.lifePalace, chart));
    document.Set("body_palace", PointJson(sheet.bodyPalace, chart));
    document.Set("fortune", PointJson(sheet.fortunePoint, chart));
    Json cusps = Json::MakeArray();
    for (const float cusp : sheet.houseCusps) cusps.Push(static_cast<double>(cusp));
    document.Set("houses", std::move(cusps));
    document.Set("ascendant", sheet.ascendant).Set("midheaven", sheet.midheaven);
    document.Set("sun_rise", SunEventJson(sheet.jdSunrise, sheet.sunriseBranch));
    document.Set("sun_set", SunEventJson(sheet.jdSunset, sheet.sunsetBranch));
    document.Set("day_birth", sheet.dayBirth != 0);
    document.Set("year_stars", Json::MakeObject()
                                   .Set("sound_element", SOUND_ELEMENT_NAME[sheet.soundElement])
                                   .Set("fortune", TextArray(yearStars.fortune))
                                   .Set("transformations", TextArray(yearStars.transformations))
                                   .Set("stem_stars", TextArray(yearStars.stemStars))
                                   .Set("branch_stars", TextArray(yearStars.branchStars))
                                   .Set("ten_gods", TextArray(yearStars.tenGods)));
    document.Set("layout", LayoutJson(chart));
    document.Set("aspects", AspectDefinitionsJson(chart.GetAspectDefinitions()));
    const bool male = request.isMale != 0;
    Json tables = Json::MakeObject()
                      .Set("natal", PalaceTableJson(chart.NatalTable(), male))
                      .Set("moving", PalaceTableJson(chart.MovingTable(), male));
    if (annual == AnnualOutcome::kCast) {
        tables.Set("annual", PalaceTableJson(chart.AnnualTable(), male));
    }
    document.Set("palace_tables", std::move(tables));
    document.Set("limits", LimitsJson(chart.Grid().levels[0]));
    document.Set("childhood", Json::MakeObject()
                                  .Set("years", static_cast<int>(sheet.childhoodYears))
                                  .Set("days", static_cast<int>(sheet.childhoodDays))
                                  .Set("start_age", static_cast<int>(sheet.limitStartAge)));
    document.Set("four_pillars", FourPillarsJson(chart));
    document.Set("moving", Json::MakeObject().Set("stars", StarsJson(chart.MovingSheet())));
    if (annual == AnnualOutcome::kCast) document.Set("annual", AnnualJson(chart));
    if (annual == AnnualOutcome::kFailed) {
        document.Set("annual", Json::MakeObject().Set("error", chart.lastError()));
    }
    return document;
}

int RunCast(CommandContext& context) {
    if (!context.args.Has("date") || !context.args.Positionals().empty()) {
        return UsageError(context, CastCommand(), "give the birth with --date");
    }
    TChartRequest request = DefaultBirthRequest();
    std::string problem;
    if (!ApplyBirthOptions(context.args, request, problem)) {
        return UsageError(context, CastCommand(), problem);
    }
    const auto annual = context.args.Value("annual");
    if (annual && !ParseInstant(*annual)) {
        return UsageError(context, CastCommand(), "--annual wants \"YYYY-MM-DD HH:MM\"");
    }
    if (!ResolvePlaceOption(context, request, problem)) return Fail(context, problem);
    Json document;
    std::string text;
    if (!CastChart(context, request, document, text, problem)) return Fail(context, problem);
    return Succeed(context, document, text);
}

std::vector<OptionSpec> CastOptions() {
    std::vector<OptionSpec> options = BirthOptionSpecs();
    options.push_back({"settings", true});
    options.push_back({"annual", true});
    return options;
}

}  // namespace

bool CastChart(const CommandContext& context, const TChartRequest& request, Json& document,
               std::string& text, std::string& error) {
    const std::string settings =
        context.args.Value("settings").value_or(DataPath(context.root, "dat/set.ini"));
    const QtFontMetrics metrics;
    CZxChina chart(settings, metrics);
    if (!chart.Cast(request)) {
        error = chart.lastError();
        return false;
    }
    AnnualOutcome annual = AnnualOutcome::kNotAsked;
    if (const auto moment = context.args.Value("annual")) {
        const std::optional<double> jd = ParseInstant(*moment);
        annual = jd && chart.CastAnnualChart(*jd) ? AnnualOutcome::kCast : AnnualOutcome::kFailed;
    }
    const TPositionSheet& sheet = chart.Natal();
    const TYearStars yearStars =
        YearStars(chart.Time().yearPillar, sheet.lifePalace.palace, sheet.soundElement);
    document = CastJson(chart, yearStars, annual);
    text = Describe(chart, yearStars, annual);
    return true;
}

Command CastCommand() {
    static const std::string details =
        std::string(kBirthOptionsHelp) +
        "  --annual \"YYYY-MM-DD HH:MM\"  also the annual chart of that moment (the birth's zone)\n"
        "  --settings FILE      chart settings to use instead of dat/set.ini\n"
        "  --place TEXT without --lon/--lat is looked up in dat/address.ini (\"浙江省杭州\")\n";
    return {"cast",
            "--date \"YYYY-MM-DD HH:MM\" [--lunar [--leap]] [--zone CODE] [--lon D:M --lat D:M | "
            "--place TEXT] [--male|--female] [--name N] [--annual \"YYYY-MM-DD HH:MM\"] "
            "[--settings FILE]",
            "the natal chart: times, four pillars, the fourteen stars, palaces, houses, sunrise "
            "and sunset, year stars, star layout and aspects, palace tables with spirits, age "
            "limits, the moving chart, four-pillars data; with --annual the annual chart",
            CastOptions(),
            RunCast,
            details.c_str()};
}

}  // namespace tavrel::cli
