#include "calendar/calendar_names.h"

namespace tavrel {

std::string ChineseNumeral(int n) {
    if (n >= 1 && n <= 9) return std::string(NUMERAL_NAME[n]);
    if (n == 10) return "十";
    if (n >= 11 && n <= 19) return "十" + std::string(NUMERAL_NAME[n - 10]);
    if (n == 20) return "二十";
    if (n >= 21 && n <= 29) return "廿" + std::string(NUMERAL_NAME[n - 20]);
    if (n == 30) return "三十";

    std::string text;
    long long value = n;  // wide enough to negate the most negative int
    if (value < 0) {
        text = "前";
        value = -value;
    }
    std::string digits = std::to_string(value);
    const std::size_t places = value == 0 || value >= 1000 ? 4 : digits.size();
    if (digits.size() < places) digits.insert(0, places - digits.size(), '0');
    for (char digit : digits) text += NUMERAL_NAME[static_cast<std::size_t>(digit - '0')];
    return text;
}

std::string LunarMonthName(int month, bool leap) {
    std::string name = leap ? "闰" : "";
    return name + (month == 1 ? "正月" : ChineseNumeral(month) + "月");
}

std::string LunarDayName(int day) { return (day <= 10 ? "初" : "") + ChineseNumeral(day); }

}  // namespace tavrel
