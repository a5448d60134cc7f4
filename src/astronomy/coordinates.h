#pragma once

namespace tavrel {

// Spherical coordinates: longitude and latitude in radians, radius in AU (km for the Moon).
struct TSpherical {
    double lon;
    double lat;
    double r;
};

// Rectangular coordinates in the same length unit.
struct TRectangular {
    double x;
    double y;
    double z;
};

}  // namespace tavrel
