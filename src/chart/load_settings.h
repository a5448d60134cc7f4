#pragma once

#include "chart/chart_settings.h"
#include "chart/xiang_definitions.h"
#include "platform/ini_file.h"

namespace tavrel {

// What a cast reads from dat/set.ini before it starts.
struct TChartConfiguration {
    TChartSettings settings;
    TXiangRelate aspects;
};

// Section `tavrel`, then the aspect definitions (writing the eight defaults to a file without
// them). Never fails: a missing or unreadable file gives the defaults.
TChartConfiguration LoadSettings(IniFile& ini);

}  // namespace tavrel
