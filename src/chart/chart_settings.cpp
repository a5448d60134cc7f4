#include "chart/chart_settings.h"

namespace tavrel {

namespace {

// `fallback` when the stored value lies outside first..last.
int ReadChoice(const IniFile& ini, std::string_view key, int fallback, int first, int last) {
    const int value = ini.ReadInteger(kChartSettingsSection, key, fallback);
    return value >= first && value <= last ? value : fallback;
}

bool ReadFlag(const IniFile& ini, std::string_view key, bool fallback) {
    return ini.ReadBool(kChartSettingsSection, key, fallback);
}

}  // namespace

TChartSettings ReadChartSettings(const IniFile& ini) {
    const TChartSettings d;
    TChartSettings s;
    s.guidao = ReadChoice(ini, "guidao", d.guidao, 0, 1);
    s.luoji = ReadChoice(ini, "luoji", d.luoji, 0, 1);
    s.npos = ReadChoice(ini, "npos", d.npos, 1, 10);
    s.mgong = ReadChoice(ini, "mgong", d.mgong, 0, 2);
    s.sgong = ReadChoice(ini, "sgong", d.sgong, 0, 3);
    s.mingdu = ReadChoice(ini, "mingdu", d.mingdu, 0, 1);
    s.shendu = ReadChoice(ini, "shendu", d.shendu, 0, 1);
    s.iDate = ReadChoice(ini, "iDate", d.iDate, 0, 2);
    s.b12Gong = ReadFlag(ini, "b12Gong", d.b12Gong);
    s.iTilt = ReadChoice(ini, "iTilt", d.iTilt, 0, 1);
    s.bHideKing = ReadFlag(ini, "bHideKing", d.bHideKing);
    s.bkcolor = ReadChoice(ini, "bkcolor", d.bkcolor, 0, 0xFFFFFF);
    s.zishi = ReadChoice(ini, "zishi", d.zishi, 0, 3);
    s.iCaiName = ReadChoice(ini, "iCaiName", d.iCaiName, 0, 1);
    s.iYunLi = ReadChoice(ini, "iYunLi", d.iYunLi, 0, 3);
    s.iStarLayer = ReadChoice(ini, "iStarLayer", d.iStarLayer, 0, 1);
    s.iTongXian = ReadChoice(ini, "iTongXian", d.iTongXian, 0, 2);
    s.iDongCalc = ReadChoice(ini, "iDongCalc", d.iDongCalc, 0, 1);
    s.bLightColor = ReadFlag(ini, "bLightColor", d.bLightColor);
    s.bZiCenter = ReadFlag(ini, "bZiCenter", d.bZiCenter);
    return s;
}

int ActiveStarCount(const TChartSettings& settings) { return settings.bHideKing ? 11 : 14; }

float BaseAngle(const TChartSettings& settings) { return settings.bZiCenter ? 22.5F : 37.5F; }

int ReadChartFontSize(const IniFile& ini) {
    return ini.ReadInteger(kChartFontSection, "fontSize", kDefaultChartFontSize);
}

bool WriteChartFontSize(IniFile& ini, int points) {
    return ini.WriteInteger(kChartFontSection, "fontSize", points);
}

TFormFontSettings ReadFormFontSettings(const IniFile& ini) {
    const TFormFontSettings d;
    return {ini.ReadInteger(kFormFontSection, "iFontSizeVar", d.iFontSizeVar),
            ini.ReadBool(kFormFontSection, "bChangeMenuSize", d.bChangeMenuSize)};
}

}  // namespace tavrel
