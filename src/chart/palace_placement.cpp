#include "chart/palace_placement.h"

#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {

namespace {

TPlacedPoint Placed(double longitude, double latitude, int lifePalace, double mansionOrigin) {
    TPlacedPoint point{};
    point.longitude = longitude;
    point.latitude = latitude;
    PlacePoint(point, lifePalace, mansionOrigin);
    return point;
}

}  // namespace

void PlacePalaces(TPositionSheet& sheet, const TChartSettings& settings, int hourBranch,
                  double mansionOrigin) {
    const TPlacedPoint& sun = sheet.points[kSun];
    const TPlacedPoint& moon = sheet.points[kMoon];
    const double life = LifePointLongitude(settings.mgong, settings.mingdu, sheet.ascendant,
                                           sun.longitude, hourBranch, sheet.sunriseBranch);
    const int lifePalace = PalaceOf(life);
    sheet.lifePalace = Placed(life, 0, lifePalace, mansionOrigin);
    for (int star = 0; star < kStarCount; ++star) {
        PlacePoint(sheet.points[star], lifePalace, mansionOrigin);
    }
    const TEclipticPoint body =
        BodyPoint(settings.sgong, settings.shendu, {moon.longitude, moon.latitude},
                  sheet.houseCusps[6], hourBranch, sheet.sunsetBranch);
    sheet.bodyPalace = Placed(body.longitude, body.latitude, lifePalace, mansionOrigin);
    const double fortune =
        FortunePointLongitude(life, sun.longitude, moon.longitude, sheet.dayBirth != 0);
    sheet.fortunePoint = Placed(fortune, 0, lifePalace, mansionOrigin);
    sheet.points[kLifeDegree] = sheet.lifePalace;
}

}  // namespace tavrel
