#include "command_table.h"

#include "commands/paths_command.h"
#include "commands/place_command.h"
#include "commands/positions_command.h"

namespace tavrel::cli {

std::span<const Command> Commands() {
    static const Command kCommands[] = {
        PathsCommand(),
        PlaceCommand(),
        PositionsCommand(),
    };
    return kCommands;
}

}  // namespace tavrel::cli
