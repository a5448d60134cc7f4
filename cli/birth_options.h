#pragma once

#include <string>
#include <vector>

#include "arguments.h"
#include "chart/chart_request.h"

namespace tavrel::cli {

// The options of a birth entry, shared by every command that takes one:
//   --name NAME   --male|--female   --date "YYYY-MM-DD HH:MM" (display years: -1 is 1 BC)
//   --lunar --leap   --zone CODE (0 UTC, 1..12 east, 13..23 west)   --lon D:M --lat D:M
//   (or decimal degrees)   --place TEXT
std::vector<OptionSpec> BirthOptionSpecs();

// The lines that explain the birth options in a command's --help.
extern const char* const kBirthOptionsHelp;

// True when any birth option is among the arguments.
bool HasBirthOption(const Arguments& args);

// A birth entry before any option is applied: 甲, male, zone 8 (Beijing), 120° E 30° N, no
// place (province 34 is the place list's "未知地"), 1900-01-01 00:00.
TChartRequest DefaultBirthRequest();

// Sets the fields whose options are given and leaves the others; names and places are cleaned
// as the case store cleans them. False with a problem text when a value is malformed or out of
// range, or --leap is given for a solar date.
bool ApplyBirthOptions(const Arguments& args, TChartRequest& request, std::string& problem);

}  // namespace tavrel::cli
