#pragma once

#include <string_view>

#include "platform/ini_file.h"

namespace tavrel {

// Sections of dat/set.ini.
inline constexpr std::string_view kChartSettingsSection = "tavrel";
inline constexpr std::string_view kChartFontSection = "chart";
inline constexpr std::string_view kFormFontSection = "set";

// The chart settings, section `tavrel`; every cast reads them again. Field names are the keys.
struct TChartSettings {
    int guidao = 0;  // star map: 0 ecliptic (黄道制), 1 equatorial (赤道制)
    int luoji = 0;   // 0 罗南计北, 1 罗北计南
    int npos = 3;    // aspect tolerance of the settings dialog, 1..10
    int mgong = 0;   // life palace: 0 弧角计算, 1 按卯时起, 2 按日出起
    int sgong = 0;   // body palace: 0 同月亮, 1 弧角计算, 2 按酉时起, 3 按日落起
    int mingdu = 0;  // life degree: 0 太阳度数, 1 折中计算
    int shendu = 0;  // body degree: 0 月亮度数, 1 折中计算
    int iDate = 0;   // pillar clock: 0 北京时间, 1 真太阳时, 2 地方时
    bool b12Gong = false;     // draw the twelve house cusps
    int iTilt = 0;            // turn the disk texts, 0 or 1
    bool bHideKing = false;   // leave Uranus, Neptune and Pluto out of layout and aspects
    int bkcolor = 0xFFFFFF;   // chart background, 0x00BBGGRR
    int zishi = 0;            // late-子-hour rule, 0..3
    int iCaiName = 0;         // short names of the two wealth stars, 0 or 1
    int iYunLi = 0;           // calendar of the luck cycles, 0..3
    int iStarLayer = 1;       // star labels: 0 one layer, 1 several layers
    int iTongXian = 0;        // childhood limit: 0 精确, 1 粗算, 2 旧版
    int iDongCalc = 0;        // moving chart: 0 精确计算, 1 时辰计算
    bool bLightColor = true;  // the four cardinal palaces on a blue ground
    bool bZiCenter = false;   // 子 palace centred: baseAngle 22.5 instead of 37.5

    friend bool operator==(const TChartSettings&, const TChartSettings&) = default;
};

// Reads section `tavrel`. A missing file or key gives the default, and so does a value outside
// the choices its key offers (a hand-edited file must not steer a cast into an unknown method).
TChartSettings ReadChartSettings(const IniFile& ini);

// The stars 0..count-1 take part in layout and aspects: 11 with bHideKing, else 14.
int ActiveStarCount(const TChartSettings& settings);

// The angle of the disk's first sector: 22.5 with bZiCenter, else 37.5.
float BaseAngle(const TChartSettings& settings);

// Section `chart`, key `fontSize`: the chart font size in points, default 12.
inline constexpr int kDefaultChartFontSize = 12;
int ReadChartFontSize(const IniFile& ini);
bool WriteChartFontSize(IniFile& ini, int points);

// Section `set`: the form font adjustment.
struct TFormFontSettings {
    int iFontSizeVar = 0;
    bool bChangeMenuSize = false;

    friend bool operator==(const TFormFontSettings&, const TFormFontSettings&) = default;
};
TFormFontSettings ReadFormFontSettings(const IniFile& ini);

}  // namespace tavrel
