#include "chart/load_settings.h"

namespace tavrel {

TChartConfiguration LoadSettings(IniFile& ini) {
    TChartConfiguration configuration{};
    configuration.settings = ReadChartSettings(ini);
    configuration.aspects = LoadAspectDefinitions(ini);
    return configuration;
}

}  // namespace tavrel
