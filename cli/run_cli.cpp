#include "run_cli.h"

#include <algorithm>

#include "command_table.h"
#include "tavrel/version.h"

namespace tavrel::cli {

namespace {

void PrintHelp(std::ostream& out) {
    out << "tavrel-cli " << kVersion << " — the Tavrel chart engine on the command line\n\n"
        << "usage: tavrel-cli <command> [options] [--json]\n"
        << "       tavrel-cli <command> --help\n"
        << "       tavrel-cli --help | --version\n\n"
        << "--json prints one JSON document on stdout. Exit status: 0 ok, 1 failed (message on\n"
        << "stderr), 2 usage error.\n\ncommands:\n";
    for (const Command& command : Commands()) {
        out << "  " << command.name << ' ' << command.usage << "\n      " << command.summary
            << '\n';
    }
}

int GeneralUsage(std::ostream& err, const std::string& problem) {
    err << "tavrel-cli: " << problem << '\n'
        << "usage: tavrel-cli <command> [options] [--json]; tavrel-cli --help lists the commands\n";
    return kExitUsage;
}

bool Contains(const std::vector<std::string>& words, const char* word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace

int RunCli(const std::vector<std::string>& words, const DataRoot& root, std::ostream& out,
           std::ostream& err) {
    if (words.empty()) return GeneralUsage(err, "no command given");
    const std::string& first = words.front();
    if (first == "--help" || first == "-h") {
        PrintHelp(out);
        return kExitOk;
    }
    if (first == "--version") {
        if (Contains(words, "--json")) {
            out << Json::MakeObject().Set("version", kVersion).Dump() << '\n';
        } else {
            out << "tavrel-cli " << kVersion << '\n';
        }
        return kExitOk;
    }
    const auto commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return first == c.name; });
    if (command == commands.end()) return GeneralUsage(err, "unknown command '" + first + "'");

    std::vector<OptionSpec> options = command->options;
    options.push_back({"json", false});
    options.push_back({"help", false});
    Arguments args;
    std::string problem;
    const bool parsed =
        args.Parse(std::vector<std::string>(words.begin() + 1, words.end()), options, problem);
    CommandContext context{args, out, err, args.Has("json"), root};
    if (!parsed) return UsageError(context, *command, problem);
    if (args.Has("help")) {
        out << "usage: tavrel-cli " << command->name << ' ' << command->usage << "\n  "
            << command->summary << '\n';
        if (command->details != nullptr) out << '\n' << command->details;
        return kExitOk;
    }
    return command->run(context);
}

}  // namespace tavrel::cli
