#include "chart/zx_china.h"

#include <utility>

#include "chart/age_limits.h"
#include "chart/birth_time.h"
#include "chart/build_star_layout.h"
#include "chart/equatorial_map.h"
#include "chart/houses.h"
#include "chart/load_settings.h"
#include "chart/moving_chart.h"
#include "chart/palace_placement.h"
#include "chart/pillars.h"
#include "chart/star_list.h"
#include "chart/star_positions.h"
#include "chart/sunrise_sunset.h"
#include "chart/xiang_lists.h"
#include "chart/year_stars.h"
#include "platform/ini_file.h"

namespace tavrel {

CZxChina::CZxChina(std::string settingsPath, const FontMetrics& metrics)
    : settingsPath_(std::move(settingsPath)), metrics_(metrics) {
    const IniFile ini(settingsPath_);
    SetChartFontSize(geometry_, StoredChartFontSize(ini), metrics_);
}

void CZxChina::ComputeAngles() {
    const double ramc = ComputeRamc(natal_.points[kSun].longitude, request_.longitude,
                                    time_.beijingTime, time_.jdBeijing);
    natal_.ascendant = ComputeAscendant(ramc, request_.latitude);
    natal_.midheaven = ComputeMidheaven(ramc);
    ComputeHouseCusps(ramc, request_.latitude, natal_.ascendant, natal_.midheaven,
                      natal_.houseCusps);
}

void CZxChina::BuildLayout(ChartKind kind) {
    BuildStarLayout(kind, StarLayoutContext{geometry_, metrics_, settings_, aspects_},
                    StarLayoutCharts{natal_, layouts_.natal, working_, layouts_.working});
}

void CZxChina::BuildTable(const TPositionSheet& sheet, int yearPillar, TPalaceTable& table) const {
    BuildPalaceTable(
        sheet, natal_.lifePalace.longitude, natal_.lifePalace.palace, mansionOrigin_.origin,
        settings_.bHideKing, yearPillar,
        NatalSquareBounds(geometry_.cellWidth, geometry_.cellHeight, geometry_.diskRadius), table);
}

// The moving chart turns the natal stars; its life degree stays the natal one, so the aspect of
// the two life degrees (always 0°) says nothing and is taken out.
void CZxChina::CastMovingChart() {
    const double angle = MovingTurnAngle(natal_, time_, settings_.iDongCalc);
    working_ = TurnMovingChart(natal_, angle, mansionOrigin_.origin);
    BuildLayout(ChartKind::kMoving);
    RemoveLifeDegreeCrossAspects(layouts_.natal, layouts_.working);
    movingSheet_ = working_;
    StoreWorkingLayout(layouts_, ChartKind::kMoving);
    BuildTable(movingSheet_, time_.yearPillar, movingTable_);
    SetSourceBranches(movingTable_, natal_.points[kSun].palace, movingSheet_.points[kSun].palace);
}

void CZxChina::ClearResults() {
    natal_ = TPositionSheet{};
    working_ = TPositionSheet{};
    annualSheet_ = TPositionSheet{};
    movingSheet_ = TPositionSheet{};
    layouts_ = TChartLayouts{};
    runningStart_ = 0;
    fourPillars_ = TFourPillars{};
    natalTable_ = TPalaceTable{};
    annualTable_ = TPalaceTable{};
    movingTable_ = TPalaceTable{};
    annual_ = TAnnualState{};
    grid_ = TTimeGrid{};
    chartKind_ = -1;
}

bool CZxChina::GetStarLayout(int kind, StarLayout& copy) const {
    return tavrel::GetStarLayout(layouts_, kind, copy);
}

bool CZxChina::CastAnnualChart(double jd) {
    TAnnualState state = annual_;
    const TAnnualInputs inputs{chartKind_, zoneHours_, request_.longitude, settings_,
                               time_,      natal_,     grid_.levels[0]};
    if (!PrepareAnnualChart(jd, inputs, calendar_, state, lastError_)) return false;
    chartKind_ = 1;
    const TDateRec moment = DateOfJd(state.jdBeijing);
    astro_.SetInstant(moment);
    TPositionSheet stars{};
    FillStarPositions(astro_, settings_.luoji, moment, stars);
    if (settings_.guidao == 1) {
        for (int star = 0; star < kStarCount; ++star) {
            TPlacedPoint& point = stars.points[star];
            point.longitude = ToRightAscension(point.longitude, point.latitude);
        }
    }
    working_ = PlaceAnnualSheet(natal_, stars, state.runningLongitude, mansionOrigin_.origin);
    BuildLayout(ChartKind::kAnnual);
    annual_ = state;
    annualSheet_ = working_;
    StoreWorkingLayout(layouts_, ChartKind::kAnnual);
    BuildTable(annualSheet_, state.pillars.year, annualTable_);
    return true;
}

bool CZxChina::DefaultAnnualMoment(const TDateRec& now) {
    return tavrel::DefaultAnnualMoment(grid_, now,
                                       TGridContext{calendar_, settings_.zishi, lastError_});
}

bool CZxChina::CastChosenAnnualChart() {
    return CastAnnualChart(grid_.chosenMoment - (8 - zoneHours_) / 24.0);
}

bool CZxChina::Cast(const TChartRequest& request) {
    IniFile ini(settingsPath_);
    const TChartConfiguration configuration = LoadSettings(ini);
    settings_ = configuration.settings;
    aspects_ = configuration.aspects;

    request_ = request;
    ClearResults();
    activeStarCount_ = ActiveStarCount(settings_);
    zoneHours_ = ZoneHourOffset(request.zone);

    if (!ConvertBirthTime(request_, zoneHours_, settings_, calendar_, time_, lastError_)) {
        return false;
    }

    astro_.SetInstant(DateOfJd(time_.jdBeijing));
    mansionOrigin_ = MansionOriginOfYear(time_.pillarTime.year);
    FillStarPositions(astro_, settings_.luoji, time_.beijingTime, natal_);
    ComputeAngles();
    // Sunrise needs the Sun's declination, so its ecliptic place is kept before the map turns.
    const TPlacedPoint eclipticSun = natal_.points[kSun];
    if (settings_.guidao == 1) ToEquatorialMap(natal_, mansionOrigin_.origin);

    ComputePillars(time_, settings_.zishi, calendar_);
    ComputeSunriseSunset(natal_, time_, eclipticSun.longitude, eclipticSun.latitude,
                         request_.longitude, request_.latitude);
    PlacePalaces(natal_, settings_, time_.hourPillar % 12, mansionOrigin_.origin);
    natal_.soundElement = static_cast<uint8_t>(SoundElement(time_.yearPillar));
    natal_.baseAngle = BaseAngle(settings_);
    geometry_.baseAngle = natal_.baseAngle;

    const bool male = request_.isMale != 0;
    runningStart_ = ComputeChildhoodLimit(natal_, time_, settings_.iTongXian, calendar_);
    if (!FourPillarsData(time_, male, settings_.iYunLi, calendar_, fourPillars_)) {
        lastError_ = calendar_.lastError;
        ClearResults();
        return false;
    }
    BuildLayout(ChartKind::kNatal);
    BuildTable(natal_, time_.yearPillar, natalTable_);
    BuildLimitTable(grid_.levels[0], natal_, time_, runningStart_, male, calendar_);
    CastMovingChart();
    chartKind_ = 0;
    return true;
}

}  // namespace tavrel
