#pragma once

#include <string>

#include "chart/chart_request.h"
#include "command.h"

namespace tavrel::cli {

// Casts the natal chart of a birth entry and prints its times, pillars, stars and palaces.
Command CastCommand();

// Casts a birth entry with the chart settings the command names (--settings, else dat/set.ini
// under the data root): the JSON document and the text of the chart, or false with the engine's
// message.
bool CastChart(const CommandContext& context, const TChartRequest& request, Json& document,
               std::string& text, std::string& error);

}  // namespace tavrel::cli
