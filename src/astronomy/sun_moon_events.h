#pragma once

namespace tavrel {

// Instants, in Julian centuries TT from J2000, at which the Sun's apparent longitude or the
// Moon-Sun elongation reaches W. W = 2π k + λ picks the k-th passage of λ after J2000 (k < 0
// before it). The full inversions end on the complete series; the fast ones use closed-form
// corrections and a few terms and are good to minutes.
double SunLongitudeTime(double W);
double SunLongitudeTimeFast(double W);
double ElongationTime(double W);
double ElongationTimeFast(double W);

}  // namespace tavrel
