#pragma once

#include <string>
#include <vector>

#include "chart/star_layout.h"
#include "chart/xiang_definitions.h"

namespace tavrel {

// A layout as plain values for printing (the cast command's "layout").
struct AspectReport {
    int partner;       // entry 0..14 of the partner sheet
    int aspect;        // definition number 1..n
    std::string name;  // of that definition
    int separation;    // whole degrees
    int partnerPlace;  // sector × 100 + row, -1 when the partner is not laid out
};

struct PlacementReport {
    int id;
    LabelPixel label;
    FloatPoint foot;
    FloatPoint labelPoint;
    float angle;
    std::vector<AspectReport> own;  // only the partners in aspect
};

struct SectorReport {
    int sector;
    std::vector<PlacementReport> placements;
};

// The twelve sectors in branch order with their placements in row order. With hideKing the
// partners 天 海 冥 are left out of the aspects, as the charts leave them out.
std::vector<SectorReport> ReportStarLayout(const StarLayout& layout,
                                           const TXiangRelate& definitions, bool hideKing);

}  // namespace tavrel
