#pragma once

namespace tavrel {

struct NutationAngles {
    double longitude = 0;  // Δψ, radians
    double obliquity = 0;  // Δε, radians
};

// One row of the ten-term nutation series: the argument a + b t + c t² (radians, t in Julian
// centuries), the amplitudes in longitude (sine) and obliquity (cosine) in 0.01″.
struct NutationTerm {
    double a;
    double b;
    double c;
    double dPsi;
    double dEps;
};

extern const NutationTerm NutationTable[10];

NutationAngles Nutation(double t);

// Δψ alone, radians.
double NutationLongitude(double t);

}  // namespace tavrel
