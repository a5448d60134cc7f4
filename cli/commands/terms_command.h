#pragma once

#include "command.h"

namespace tavrel::cli {

// The 24 solar terms of a year in Beijing time.
Command TermsCommand();

}  // namespace tavrel::cli
