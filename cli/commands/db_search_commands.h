#pragma once

#include "command.h"

namespace tavrel::cli {

// db search [--name T [--whole-name]] [--category T [--whole-category]] [--comment T]
//           [--sex male|female] [--years A..B] [--province N|NAME]
int RunDbSearch(CommandContext& context);
// db find WORD…: every word must be found in a search word of its own.
int RunDbFind(CommandContext& context);
// db tree [--order time-desc|time-asc|surname-asc|surname-desc|none] [--view category|list]
int RunDbTree(CommandContext& context);

}  // namespace tavrel::cli
