#include "chart/zx_china.h"

#include <utility>

#include "chart/age_limits.h"
#include "chart/birth_time.h"
#include "chart/equatorial_map.h"
#include "chart/houses.h"
#include "chart/load_settings.h"
#include "chart/palace_placement.h"
#include "chart/pillars.h"
#include "chart/star_list.h"
#include "chart/star_positions.h"
#include "chart/sunrise_sunset.h"
#include "chart/year_stars.h"
#include "platform/ini_file.h"

namespace tavrel {

CZxChina::CZxChina(std::string settingsPath) : settingsPath_(std::move(settingsPath)) {}

void CZxChina::ComputeAngles() {
    const double ramc = ComputeRamc(natal_.points[kSun].longitude, request_.longitude,
                                    time_.beijingTime, time_.jdBeijing);
    natal_.ascendant = ComputeAscendant(ramc, request_.latitude);
    natal_.midheaven = ComputeMidheaven(ramc);
    ComputeHouseCusps(ramc, request_.latitude, natal_.ascendant, natal_.midheaven,
                      natal_.houseCusps);
}

void CZxChina::ClearResults() {
    natal_ = TPositionSheet{};
    runningStart_ = 0;
    fourPillars_ = TFourPillars{};
    natalTable_ = TPalaceTable{};
    grid_ = TTimeGrid{};
    chartKind_ = -1;
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

    const bool male = request_.isMale != 0;
    runningStart_ = ComputeChildhoodLimit(natal_, time_, settings_.iTongXian, calendar_);
    if (!FourPillarsData(time_, male, settings_.iYunLi, calendar_, fourPillars_)) {
        lastError_ = calendar_.lastError;
        ClearResults();
        return false;
    }
    BuildPalaceTable(natal_, natal_.lifePalace.longitude, natal_.lifePalace.palace,
                     mansionOrigin_.origin, settings_.bHideKing, time_.yearPillar, TSquareBounds{},
                     natalTable_);
    BuildLimitTable(grid_.levels[0], natal_, time_, runningStart_, male, calendar_);
    chartKind_ = 0;
    return true;
}

}  // namespace tavrel
