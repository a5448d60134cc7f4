#include "chart/zx_china.h"

#include <utility>

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

bool CZxChina::Cast(const TChartRequest& request) {
    IniFile ini(settingsPath_);
    const TChartConfiguration configuration = LoadSettings(ini);
    settings_ = configuration.settings;
    aspects_ = configuration.aspects;

    request_ = request;
    natal_ = TPositionSheet{};
    chartKind_ = -1;
    activeStarCount_ = ActiveStarCount(settings_);
    zoneHours_ = ZoneHourOffset(request.zone);

    if (!ConvertBirthTime(request_, zoneHours_, settings_, calendar_, time_, lastError_)) {
        return false;
    }

    astro_.SetInstant(DateOfJd(time_.jdBeijing));
    chartKind_ = 0;
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
    return true;
}

}  // namespace tavrel
