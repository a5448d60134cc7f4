#pragma once

#include "command.h"

namespace tavrel::cli {

// tavrel-cli db info|list|show ID|add …|update ID …|delete ID|categories [--db FILE]
Command DbCommand();

}  // namespace tavrel::cli
