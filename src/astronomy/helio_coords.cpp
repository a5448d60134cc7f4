#include "astronomy/helio_coords.h"

#include "astronomy/planet_series.h"
#include "astronomy/pluto_series.h"
#include "astronomy/precession.h"

namespace tavrel {

TSpherical HelioCoords(int body, double t, int nL, int nB, int nR) {
    if (body >= 0 && body <= 7) {
        return {PlanetCoord(body, 0, t, nL), PlanetCoord(body, 1, t, nB),
                PlanetCoord(body, 2, t, nR)};
    }
    if (body == 8) return EclipticJ2000ToDate(t, RectToSph(PlutoCoord(t)));
    return {};
}

}  // namespace tavrel
