#pragma once

namespace tavrel {

// TT − UT in seconds for a fractional year. Piecewise cubics up to 2015, then a parabola that is
// blended into the table's end value over the following century.
double DeltaTSeconds(double year);

// TT − UT in days for a day count from J2000 (UT or TT: the difference does not matter).
double DeltaT(double d);

}  // namespace tavrel
