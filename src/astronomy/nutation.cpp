#include "astronomy/nutation.h"

#include <cmath>

#include "astronomy/constants.h"

namespace tavrel {

const NutationTerm NutationTable[10] = {
    {2.1824, -33.75705, 0.000036, -1720, 920},  // its Δψ also has −1.742 t, added below
    {3.5069, 1256.66393, 0.000011, -132, 57},
    {1.3375, 16799.4182, -0.000051, -23, 10},
    {4.3649, -67.5141, 0.000072, 21, -9},
    {0.04, -628.302, 0, -14, 0},
    {2.36, 8328.691, 0, 7, 0},
    {3.46, 1884.966, 0, -5, 2},
    {5.44, 16833.175, 0, -4, 2},
    {3.69, 25128.11, 0, -3, 0},
    {3.55, 628.362, 0, 2, 0},
};

namespace {

double Argument(const NutationTerm& term, double t) { return term.a + term.b * t + term.c * t * t; }

double PsiAmplitude(int k, double t) { return NutationTable[k].dPsi + (k == 0 ? -1.742 * t : 0.0); }

}  // namespace

NutationAngles Nutation(double t) {
    double psi = 0;
    double eps = 0;
    for (int k = 0; k < 10; ++k) {
        const double arg = Argument(NutationTable[k], t);
        psi += PsiAmplitude(k, t) * std::sin(arg);
        eps += NutationTable[k].dEps * std::cos(arg);
    }
    // The table is in 0.01″.
    return {psi / 100 / RAD_ARCSEC, eps / 100 / RAD_ARCSEC};
}

double NutationLongitude(double t) {
    double psi = 0;
    for (int k = 0; k < 10; ++k)
        psi += PsiAmplitude(k, t) * std::sin(Argument(NutationTable[k], t));
    return psi / 100 / RAD_ARCSEC;
}

}  // namespace tavrel
