#include "records/legacy_conversion.h"

#include "records/case_names.h"

namespace tavrel {

namespace {

constexpr int kMaxZoneCode = 23;
constexpr std::uint8_t kBeijingZone = 8;

}  // namespace

TConvertedCase CaseOfLegacyRecord(const TLegacyRecord& legacy) {
    TConvertedCase converted;
    TRecordData& record = converted.record;
    TChartRequest& r = record.request;
    r.name = legacy.name;
    r.year = legacy.year;
    r.month = legacy.month;
    r.day = legacy.day;
    r.hour = legacy.hour;
    r.minute = legacy.minute;
    r.isLunar = legacy.isLunar != 0 ? 1 : 0;
    r.isLeapMonth = legacy.isLeapMonth != 0 ? 1 : 0;
    r.isMale = legacy.isMale != 0 ? 1 : 0;
    r.provinceIndex = legacy.provinceIndex;
    r.cityIndex = legacy.cityIndex;
    // A zone byte outside the list is damage; such a case is kept on Beijing time.
    r.zone = legacy.zone >= 0 && legacy.zone <= kMaxZoneCode
                 ? static_cast<std::uint8_t>(legacy.zone)
                 : kBeijingZone;
    r.longitude = legacy.longitude;
    r.latitude = legacy.latitude;
    r.placeText = legacy.placeName;
    // An old case without a category goes where every case without one goes.
    record.className = legacy.className.empty() ? kDefaultCategory : legacy.className;
    record.remarkFile = legacy.remarkFile;
    record.id = 0;
    CleanName(r.placeText, kPlaceCharacters);
    CleanName(record.className, kNameCharacters);
    converted.nameChanged = CleanName(r.name, kNameCharacters);
    return converted;
}

}  // namespace tavrel
