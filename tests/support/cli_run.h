#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "run_cli.h"

namespace tavrel::testing {

// What one in-process run of tavrel-cli printed and returned.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun Cli(const std::vector<std::string>& words,
                  const std::string& dataRoot = "/srv/tavrel") {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCli(words, {dataRoot, DataRootMode::kOverride}, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace tavrel::testing
