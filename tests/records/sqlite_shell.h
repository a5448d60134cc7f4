#pragma once

#include <cstdio>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace tavrel::testing {

// Runs SQL through the sqlite3 command-line shell, the outside world's reader of our files.
// Returns its standard output; `ok` tells whether the shell exited with 0.
inline std::string SqliteShell(const std::string& database, const std::string& sql,
                               bool* ok = nullptr, const std::string& mode = "-json") {
    TempFolder scratch;
    const std::string script = scratch.File("script.sql");
    std::ofstream(script) << sql << '\n';
    const std::string command =
        "sqlite3 -bail " + mode + " '" + database + "' < '" + script + "' 2>&1";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    const int status = ::pclose(pipe);
    if (ok != nullptr) *ok = status == 0;
    return output;
}

}  // namespace tavrel::testing
