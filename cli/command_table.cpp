#include "command_table.h"

#include "commands/db_command.h"
#include "commands/events_command.h"
#include "commands/paths_command.h"
#include "commands/place_command.h"
#include "commands/positions_command.h"
#include "commands/stations_command.h"

namespace tavrel::cli {

std::span<const Command> Commands() {
    static const Command kCommands[] = {
        PositionsCommand(),
        EventsCommand(),
        StationsCommand(),
        PlaceCommand(),
        DbCommand(),
        PathsCommand(),
    };
    return kCommands;
}

}  // namespace tavrel::cli
