#include "places/time_zones.h"

namespace tavrel {

namespace {

constexpr std::array<std::string_view, 11> kNumbers = {"一", "二", "三", "四", "五",  "六",
                                                       "七", "八", "九", "十", "十一"};

std::array<std::string, kTimeZoneCount> MakeLabels() {
    std::array<std::string, kTimeZoneCount> labels;
    labels[0] = "零时区";
    for (std::size_t hours = 1; hours <= kNumbers.size(); ++hours) {
        labels[hours] = "东" + std::string(kNumbers[hours - 1]) + "区";
        labels[hours + 12] = "西" + std::string(kNumbers[hours - 1]) + "区";
    }
    labels[12] = "中十二区";
    return labels;
}

}  // namespace

const std::array<std::string, kTimeZoneCount>& TimeZoneLabels() {
    static const std::array<std::string, kTimeZoneCount> labels = MakeLabels();
    return labels;
}

int TimeZoneHours(int code) {
    if (code <= 0 || code >= kTimeZoneCount) return 0;
    return code <= 12 ? code : 12 - code;
}

}  // namespace tavrel
