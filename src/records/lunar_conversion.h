#pragma once

#include <functional>

#include "astronomy/time_scales.h"

namespace tavrel {

// Solar date of a lunar date (leap month or not), as the lunar calendar gives it; false when the
// lunar date does not occur. The record operations take it from their caller so that one calendar
// object serves a whole run.
using LunarToSolarFn = std::function<bool(const TDateRec& lunar, bool leap, TDateRec& solar)>;

struct TRecordData;

// The solar birth date and time of a case: the stored date itself, or its lunar date converted.
bool SolarBirthOf(const TRecordData& record, const LunarToSolarFn& lunarToSolar, TDateRec& solar);

}  // namespace tavrel
