#pragma once

#include <span>

#include "command.h"

namespace tavrel::cli {

// Every sub-command of tavrel-cli, in the order --help lists them.
std::span<const Command> Commands();

}  // namespace tavrel::cli
