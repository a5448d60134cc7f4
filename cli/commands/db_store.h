#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "command.h"
#include "records/case_store.h"
#include "records/lunar_conversion.h"

namespace tavrel::cli {

// Opens the case store of a db sub-command: --db FILE, else dat/tavrel.db under the data root
// (where an old dat/tavrel.dat is converted, as the window does). False after printing the
// store's message.
bool OpenCaseStore(CommandContext& context, MRecordBase& store, int& status);

// The lunar calendar the db sub-commands convert lunar cases with.
LunarToSolarFn CliLunarToSolar();

// The ID word after the sub-command: a positive case id, or nothing.
std::optional<std::int32_t> CaseId(const CommandContext& context);

}  // namespace tavrel::cli
