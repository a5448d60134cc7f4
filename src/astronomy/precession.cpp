#include "astronomy/precession.h"

#include <array>

#include "astronomy/constants.h"
#include "platform/string_util.h"

namespace tavrel {

namespace {

constexpr int kQuantities = 12;
constexpr std::array<std::string_view, kQuantities> kQuantityNames = {
    "fi", "w", "P", "Q", "E", "x", "pi", "II", "p", "th", "Z", "z"};

struct PrecessionModelTable {
    std::string_view name;
    int coefficients;              // powers 0 … coefficients − 1 of t
    double terms[kQuantities][6];  // arcseconds
};

// Lieske et al. (1977), the IAU 1976 quantities referred to J2000.
// IAU 2000: the rates of ψ_A and ω_A corrected by −0.29965″ and −0.02524″ per century (IERS
// Conventions 2003), ζ_A, z_A, θ_A of the same conventions; the ecliptic (P, Q, π, Π) is left as
// in 1976.
// P03: Capitaine, Wallace and Chapront (2003), A&A 412, 567.
const PrecessionModelTable kModels[] = {
    {"IAU1976",
     4,
     {
         {0, 5038.7784, -1.07259, -0.001147},
         {84381.448, 0, 0.05127, -0.007726},
         {0, 4.1976, 0.19447, -0.000179},
         {0, -46.8150, 0.05059, 0.000344},
         {84381.448, -46.8150, -0.00059, 0.001813},
         {0, 10.5526, -2.38064, -0.001125},
         {0, 47.0029, -0.03302, 0.000060},
         {629554.982, -869.8089, 0.03536, 0},
         {0, 5029.0966, 1.11113, -0.000006},
         {0, 2004.3109, -0.42665, -0.041833},
         {0, 2306.2181, 0.30188, 0.017998},
         {0, 2306.2181, 1.09468, 0.018203},
     }},
    {"IAU2000",
     6,
     {
         {0, 5038.47875, -1.07259, -0.001147, 0, 0},
         {84381.448, -0.02524, 0.05127, -0.007726, 0, 0},
         {0, 4.1976, 0.19447, -0.000179, 0, 0},
         {0, -46.8150, 0.05059, 0.000344, 0, 0},
         {84381.448, -46.84024, -0.00059, 0.001813, 0, 0},
         {0, 10.5526, -2.38064, -0.001125, 0, 0},
         {0, 47.0029, -0.03302, 0.000060, 0, 0},
         {629554.982, -869.8089, 0.03536, 0, 0, 0},
         {0, 5028.79695, 1.11113, -0.000006, 0, 0},
         {0, 2004.1917476, -0.4269353, -0.0418251, -0.0000601, -0.0000001},
         {2.5976176, 2306.0809506, 0.3019015, 0.0179663, -0.0000327, -0.0000002},
         {-2.5976176, 2306.0803226, 1.0947790, 0.0182273, 0.0000470, -0.0000003},
     }},
    {"P03",
     6,
     {
         {0, 5038.481507, -1.0790069, -0.00114045, 0.000132851, -9.51e-8},
         {84381.406, -0.025754, 0.0512623, -0.00772503, -4.67e-7, 3.337e-7},
         {0, 4.199094, 0.1939873, -0.00022466, -9.12e-7, 1.20e-8},
         {0, -46.811015, 0.0510283, 0.00052413, -6.46e-7, -1.72e-8},
         {84381.406, -46.836769, -0.0001831, 0.0020034, -5.76e-7, -4.34e-8},
         {0, 10.556403, -2.3814292, -0.00121197, 0.000170663, -5.6e-8},
         {0, 46.998973, -0.0334926, -0.00012559, 1.13e-7, -2.2e-9},
         {629546.7936, -867.95758, 0.157992, -0.0005371, -0.00004797, 7.2e-8},
         {0, 5028.796195, 1.1054348, 0.00007964, -0.000023857, -3.83e-8},
         {0, 2004.191903, -0.4294934, -0.04182264, -7.089e-6, -1.274e-7},
         {2.650545, 2306.083227, 0.2988499, 0.01801828, -5.971e-6, -3.173e-7},
         {-2.650545, 2306.077181, 1.0927348, 0.01826837, -0.000028596, -2.904e-7},
     }},
};

}  // namespace

double Precession(double t, std::string_view quantity, std::string_view model) {
    for (const PrecessionModelTable& table : kModels) {
        if (!EqualsIgnoreCase(table.name, model)) continue;
        for (int q = 0; q < kQuantities; ++q) {
            if (kQuantityNames[q] != quantity) continue;
            double v = 0;
            for (int i = table.coefficients - 1; i >= 0; --i) v = v * t + table.terms[q][i];
            return v / RAD_ARCSEC;
        }
        return 0;
    }
    return 0;
}

TSpherical EclipticJ2000ToDate(double t, const TSpherical& s) {
    TSpherical v = s;
    v.lon += Precession(t, "fi", "P03");
    v = RotateFrame(v, Precession(t, "w", "P03"));
    v.lon -= Precession(t, "x", "P03");
    return RotateFrame(v, -Precession(t, "E", "P03"));
}

}  // namespace tavrel
