#include "chart/mansions.h"

namespace tavrel {

const std::array<TMansion, kMansionCount> MANSIONS = {{
    {"轸", 12.8F, kMercury},  {"角", 11.0F, kJupiter},  {"亢", 10.59F, kVenus},
    {"氐", 17.86F, kSaturn},  {"房", 4.8F, kSun},       {"心", 8.3F, kMoon},
    {"尾", 15.15F, kMars},    {"箕", 9.0F, kMercury},   {"斗", 23.56F, kJupiter},
    {"牛", 8.0F, kVenus},     {"女", 11.67F, kSaturn},  {"虚", 10.0F, kSun},
    {"危", 20.0F, kMoon},     {"室", 16.75F, kMars},    {"壁", 12.2F, kMercury},
    {"奎", 11.43F, kJupiter}, {"娄", 13.0F, kVenus},    {"胃", 12.52F, kSaturn},
    {"昴", 9.03F, kSun},      {"毕", 15.3F, kMoon},     {"觜", 1.0F, kMars},
    {"参", 10.52F, kMercury}, {"井", 30.45F, kJupiter}, {"鬼", 5.0F, kVenus},
    {"柳", 16.0F, kSaturn},   {"星", 7.0F, kSun},       {"张", 19.07F, kMoon},
    {"翼", 18.0F, kMars},
}};

TMansionOrigin MansionOriginOfYear(int year) {
    const double precession = (year - 1900) * 50.27 / 3600;
    return {precession, 189.37 + precession};
}

TMansionPlace PlaceInMansion(double x, double origin) {
    double start = origin;
    for (int i = 0; i < kMansionCount; ++i) {
        double b = x - start;
        if (b < 0) b += 360;
        const double width = MANSIONS[i].width;
        if (b >= 0 && b < width) return {i, b};
        start += width;
    }
    return {0, 0};
}

}  // namespace tavrel
