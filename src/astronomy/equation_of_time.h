#pragma once

namespace tavrel {

// Apparent minus mean solar time at t Julian centuries TT, in days: positive when the true Sun
// is ahead of the mean Sun (early November about +0.0114).
double EquationOfTime(double t);

}  // namespace tavrel
