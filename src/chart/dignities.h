#pragma once

#include <string>

#include "chart/chart_records.h"

namespace tavrel {

// The dignities of star 0..10 where it stands, each one character in this order: 垣 (a
// governor in the palace it lords), 殿 (a governor in a mansion it lords), 庙, 旺, 喜, 乐.
// Empty for the outer planets and the life degree.
std::string Dignities(int star, const TPlacedPoint& point);

// The 恩/用/仇/难 relations of the life point, counted in the generating order of the element
// groups from the lord of its mansion (degree line) and of its palace (palace line).
struct TLifeRelations {
    std::string degreeLine;  // "度:恩-… 用-… 仇-… 难-…"
    std::string palaceLine;  // "宫:恩-… 用-… 仇-… 难-…"
};
TLifeRelations LifeRelations(int lifeMansion, int lifePalace);

}  // namespace tavrel
