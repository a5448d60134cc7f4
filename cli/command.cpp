#include "command.h"

namespace tavrel::cli {

int Fail(CommandContext& context, std::string_view message) {
    context.err << message << '\n';
    if (context.json) {
        context.out << Json::MakeObject().Set("error", Json(message)).Dump() << '\n';
    }
    return kExitFailed;
}

int UsageError(CommandContext& context, const Command& command, std::string_view problem) {
    context.err << "tavrel-cli " << command.name << ": " << problem << '\n'
                << "usage: tavrel-cli " << command.name << ' ' << command.usage << '\n';
    return kExitUsage;
}

int Succeed(CommandContext& context, const Json& document, std::string_view text) {
    if (context.json) {
        context.out << document.Dump() << '\n';
    } else {
        context.out << text;
    }
    return kExitOk;
}

}  // namespace tavrel::cli
