#pragma once

namespace tavrel {

inline constexpr int STATION_COUNT = 20;

// Twenty consecutive retrograde starts and ends of one planet, as Beijing-time Julian days;
// begins[i] and ends[i] surround the same conjunction.
struct StationList {
    double begins[STATION_COUNT];
    double ends[STATION_COUNT];
};

// The stations of planet 1 … 7 from the conjunction nearest 1 January of startYear on: twenty
// synodic periods, which cover the three years before a birth year and the birth year itself.
StationList ComputeStationList(int body, int startYear);

// 2 retrograde, 1 direct, 0 when the Beijing-time Julian day g lies outside the list.
int MotionOfStations(const StationList& list, double g);

// The station lists last computed, per planet and start year, in a fixed table: re-casts, annual
// charts and the cases of one family search once. Entries are replaced oldest first.
class StationCache {
  public:
    const StationList& Get(int body, int startYear);

  private:
    static constexpr int SLOTS = 32;  // seven planets of four different years
    struct Entry {
        int body = 0;  // 0: empty
        int startYear = 0;
        StationList list;
    };
    Entry entries_[SLOTS];
    int next_ = 0;
};

}  // namespace tavrel
