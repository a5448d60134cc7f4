#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavrel {

// Name tables of the calendar, indexed as the sexagenary numbers use them: a stem number is
// taken mod 10 (癸 = 0), a branch number mod 12 (亥 = 0), so index n of the cycle is named
// STEM_NAME[n % 10] + BRANCH_NAME[n % 12].
inline constexpr std::array<std::string_view, 10> STEM_NAME = {"癸", "甲", "乙", "丙", "丁",
                                                               "戊", "己", "庚", "辛", "壬"};
inline constexpr std::array<std::string_view, 12> BRANCH_NAME = {
    "亥", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌"};
inline constexpr std::array<std::string_view, 12> ANIMAL_NAME = {
    "猪", "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗"};
// 0 = Sunday.
inline constexpr std::array<std::string_view, 7> WEEKDAY_NAME = {"日", "一", "二", "三",
                                                                 "四", "五", "六"};
// Term k lies at apparent solar longitude 285° + 15° k; even k are the sectional terms (jie).
inline constexpr std::array<std::string_view, 24> TERM_NAME = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
inline constexpr std::array<std::string_view, 10> NUMERAL_NAME = {"〇", "一", "二", "三", "四",
                                                                  "五", "六", "七", "八", "九"};

// A number in Chinese numerals as the calendar writes years, months and days: 1 … 30 as words
// (十, 十一, 二十, 廿一, 三十), anything else digit by digit with 前 before negatives, padded to
// four places for 0 and for four-digit years (2024 → 二〇二四, 45 → 四五, -5 → 前五).
std::string ChineseNumeral(int n);

// 正月, 二月 … 十二月, with 闰 before a leap month.
std::string LunarMonthName(int month, bool leap);

// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十.
std::string LunarDayName(int day);

}  // namespace tavrel
