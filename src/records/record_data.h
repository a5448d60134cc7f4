#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "chart/chart_request.h"

namespace tavrel {

// One case in memory: the birth entry exactly as the chart engine takes it, then what the store
// adds to it.
struct TRecordData {
    TChartRequest request;
    std::int32_t id = 0;     // primary id in case_data; 0 while not stored
    std::string className;   // category
    std::string remarkText;  // the comment as plain text
    std::string remarkFile;  // base name of the comment file: no folder, no ".rtf"
    // Reserved further place indices; every producer sets all five to -1.
    std::array<std::int32_t, 5> extraPlaces{-1, -1, -1, -1, -1};
};

inline constexpr const char* kDefaultCategory = "临时保存";
inline constexpr const char* kDefaultRemark = "输入自己的评语：";

// A cast of a stored case starts from its birth entry unchanged.
inline TChartRequest ChartRequestOfCase(const TRecordData& record) { return record.request; }

// A cast chart saved as a case: its birth entry plus category and comment.
TRecordData CaseOfChartRequest(const TChartRequest& request, std::string className,
                               std::string remarkText, std::string remarkFile);

}  // namespace tavrel
