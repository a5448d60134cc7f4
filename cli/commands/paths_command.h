#pragma once

#include "command.h"

namespace tavrel::cli {

// Where this installation keeps its data.
Command PathsCommand();

}  // namespace tavrel::cli
