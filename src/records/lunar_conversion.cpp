#include "records/lunar_conversion.h"

#include "records/record_data.h"

namespace tavrel {

bool SolarBirthOf(const TRecordData& record, const LunarToSolarFn& lunarToSolar, TDateRec& solar) {
    const TChartRequest& r = record.request;
    const TDateRec stored{r.year, r.month, r.day, r.hour, r.minute};
    if (r.isLunar == 0) {
        solar = stored;
        return true;
    }
    if (!lunarToSolar || !lunarToSolar(stored, r.isLeapMonth != 0, solar)) return false;
    // The birth keeps its clock time whatever the calendar does with the time of day.
    solar.hour = r.hour;
    solar.minute = r.minute;
    return true;
}

}  // namespace tavrel
