#include "command_table.h"

#include "commands/paths_command.h"

namespace tavrel::cli {

std::span<const Command> Commands() {
    static const Command kCommands[] = {
        PathsCommand(),
    };
    return kCommands;
}

}  // namespace tavrel::cli
