#pragma once

#include "command.h"

namespace tavrel::cli {

// Looks cities up in the place file.
Command PlaceCommand();

}  // namespace tavrel::cli
