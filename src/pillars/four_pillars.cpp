#include "pillars/four_pillars.h"

#include "pillars/pillar_elements.h"

namespace tavrel {

TPillarSet PillarsOf(const TTimeBlock& time) {
    return {time.yearPillar, time.monthPillar, time.dayPillar, time.hourPillar};
}

bool FourPillarsData(const TTimeBlock& time, bool male, int iYunLi, MYiDateEx& calendar,
                     TFourPillars& data) {
    data = {};
    const TPillarSet pillars = PillarsOf(time);
    const int sequence[4] = {pillars.year, pillars.month, pillars.day, pillars.hour};
    for (int p = 0; p < 4; ++p) data.pillarElement[p] = NayinElement(sequence[p]);

    data.luckDirection = LuckDirection(pillars.year, male);
    data.luckMinutes = LuckMinutes(time, data.luckDirection);
    TLuckStart start;
    if (!LuckStart(data.luckMinutes, iYunLi, time, data.luckDirection, calendar, start)) {
        data = {};
        return false;
    }
    data.luckStartAge = start.age;
    for (int i = 0; i < 3; ++i) data.luckStartDate[i] = start.date[i];

    for (int p = 0; p < 4; ++p) {
        PillarSpirits(sequence[p], p, pillars, male, data.pillarSpiritText[p]);
    }
    AppendDayPatterns(pillars, data.pillarSpiritText[kDayPosition]);
    AppendLonelyPillar(pillars.hour, data.pillarSpiritText[kHourPosition]);
    SpecialNotes(pillars, data.specialNotes);
    return true;
}

}  // namespace tavrel
