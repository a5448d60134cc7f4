#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "json.h"
#include "platform/data_root.h"

namespace tavrel::cli {

enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

struct CommandContext {
    const Arguments& args;
    std::ostream& out;
    std::ostream& err;
    bool json;  // --json: one JSON document on out
    DataRoot root;
};

struct Command {
    const char* name;
    const char* usage;                // the words after the name, e.g. "--year Y"
    const char* summary;              // one line for --help
    std::vector<OptionSpec> options;  // --json and --help are accepted by every command
    int (*run)(CommandContext& context);
    const char* details = nullptr;  // more lines for "<command> --help": options, forms
};

// Prints the failure (and {"error": …} with --json) and returns kExitFailed.
int Fail(CommandContext& context, std::string_view message);
// Prints the problem and the command's usage line and returns kExitUsage.
int UsageError(CommandContext& context, const Command& command, std::string_view problem);
// Prints the result: the JSON document with --json, else the text.
int Succeed(CommandContext& context, const Json& document, std::string_view text);

}  // namespace tavrel::cli
