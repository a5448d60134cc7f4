#include "command_table.h"

#include "commands/convert_command.h"
#include "commands/db_command.h"
#include "commands/events_command.h"
#include "commands/lunar_year_command.h"
#include "commands/paths_command.h"
#include "commands/place_command.h"
#include "commands/positions_command.h"
#include "commands/stations_command.h"
#include "commands/terms_command.h"

namespace tavrel::cli {

std::span<const Command> Commands() {
    static const Command kCommands[] = {
        PathsCommand(),     PlaceCommand(),     DbCommand(),
        PositionsCommand(), EventsCommand(),    StationsCommand(),
        ConvertCommand(),   LunarYearCommand(), TermsCommand(),
    };
    return kCommands;
}

}  // namespace tavrel::cli
