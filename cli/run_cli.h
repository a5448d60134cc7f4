#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/data_root.h"

namespace tavrel::cli {

// Runs tavrel-cli with the words after the program name; returns the exit status.
int RunCli(const std::vector<std::string>& words, const DataRoot& root, std::ostream& out,
           std::ostream& err);

}  // namespace tavrel::cli
