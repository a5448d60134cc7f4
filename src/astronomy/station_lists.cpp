#include "astronomy/station_lists.h"

#include "astronomy/constants.h"
#include "astronomy/delta_t.h"
#include "astronomy/stations.h"
#include "astronomy/time_scales.h"

namespace tavrel {

namespace {

// Retrograde starts or ends from the start estimate t on, as Beijing-time Julian days.
void FillStations(int body, double t, StationKind kind, double* out) {
    for (int i = 0; i < STATION_COUNT; ++i) {
        const double s = StationTime(body, t, kind);
        t = s + SYNODIC_DAYS[body] / 36525.0;
        out[i] = s * 36525 + 2451545 - DeltaT(s * 36525) + BEIJING_OFFSET;
    }
}

}  // namespace

StationList ComputeStationList(int body, int startYear) {
    const double t = (JulianDay(startYear, 1, 1.0) - 2451545) / 36525;
    StationList list;
    FillStations(body, t, StationKind::kBegins, list.begins);
    FillStations(body, t, StationKind::kEnds, list.ends);
    return list;
}

int MotionOfStations(const StationList& list, double g) {
    for (int i = 0; i + 1 < STATION_COUNT; ++i) {
        if (list.begins[i] <= g && g < list.ends[i]) return 2;
        if (list.ends[i] <= g && g < list.begins[i + 1]) return 1;
    }
    return 0;
}

const StationList& StationCache::Get(int body, int startYear) {
    for (const Entry& entry : entries_) {
        if (entry.body == body && entry.startYear == startYear) return entry.list;
    }
    Entry& entry = entries_[next_];
    next_ = (next_ + 1) % SLOTS;
    entry.body = body;
    entry.startYear = startYear;
    entry.list = ComputeStationList(body, startYear);
    return entry.list;
}

}  // namespace tavrel
