#pragma once

#include <cstdint>

namespace tavrel {

// One row of the era chronology, a fixed 70-byte record: the first year (astronomical
// numbering, year 0 = 1 BC), how many years the row covers, the number added when counting its
// years (an era taken over part-way), then zero-padded GBK texts.
struct EraRecord {
    std::int16_t startYear;
    std::int16_t yearCount;
    std::int16_t yearOffset;
    char dynasty[11];
    char title[11];
    char personalName[31];
    char eraName[11];
};

static_assert(sizeof(EraRecord) == 70, "era rows keep their 70-byte layout");

}  // namespace tavrel
