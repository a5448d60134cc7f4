#include "astronomy/stations.h"

#include "astronomy/angles.h"
#include "astronomy/constants.h"
#include "astronomy/frames.h"
#include "astronomy/helio_coords.h"
#include "astronomy/nutation.h"
#include "astronomy/planet_series.h"

namespace tavrel {

namespace {

// One parabola through α(t − h), α(t), α(t + h), moving t to its vertex. The differences are
// taken as signed angles so that a station next to 0h of right ascension is found as well.
double ParabolaStep(int b, double t, double h, int n, double lt, double* distance) {
    const double y1 = StationCoordinate(b, t - h, n, lt).lon;
    const TSpherical middle = StationCoordinate(b, t, n, lt);
    const double y3 = StationCoordinate(b, t + h, n, lt).lon;
    if (distance != nullptr) *distance = middle.r;
    const double d1 = NormSignedAngle(y1 - middle.lon);
    const double d3 = NormSignedAngle(y3 - middle.lon);
    const double curvature = d1 + d3;
    if (curvature == 0) return t;
    return t + (d1 - d3) / curvature * h * 0.5;
}

}  // namespace

TSpherical StationCoordinate(int b, double t, int n, double lt) {
    double E = Obliquity(t);
    const TSpherical earth = HelioCoords(0, t - lt, n, n, n);
    const TSpherical planet = HelioCoords(b, t - lt, n, n, n);
    TSpherical G = HelioToGeo(planet, earth);
    if (lt != 0) {
        const NutationAngles nutation = Nutation(t);
        G.lon += nutation.longitude;
        E += nutation.obliquity;
    }
    return RotateFrame(G, E);
}

double StationTime(int b, double t, StationKind kind) {
    const double H = SYNODIC_DAYS[b] / 36525.0;
    double v = TWO_PI / H;
    if (b > 2) v = -v;
    for (int i = 0; i < 6; ++i) {
        t -= NormSignedAngle(PlanetCoord(b, 0, t, 8) - PlanetCoord(0, 0, t, 8)) / v;
    }
    const double D = STATION_OFFSET_DAYS[b] / 36525;
    t += kind == StationKind::kBegins ? -D : D;

    double distance = 0;
    t = ParabolaStep(b, t, 5 / 36525.0, 8, 0, nullptr);
    t = ParabolaStep(b, t, 1 / 36525.0, 8, 0, nullptr);
    t = ParabolaStep(b, t, 0.5 / 36525.0, 8, 0, &distance);
    return ParabolaStep(b, t, 0.000002, -1, distance * LIGHT_TIME_AU, nullptr);
}

}  // namespace tavrel
