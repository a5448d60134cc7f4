#include "command_table.h"

#include "commands/calendar_command.h"
#include "commands/cast_command.h"
#include "commands/convert_command.h"
#include "commands/db_command.h"
#include "commands/events_command.h"
#include "commands/find_pillars_command.h"
#include "commands/lunar_year_command.h"
#include "commands/paths_command.h"
#include "commands/place_command.h"
#include "commands/positions_command.h"
#include "commands/stations_command.h"
#include "commands/terms_command.h"

namespace tavrel::cli {

std::span<const Command> Commands() {
    static const Command kCommands[] = {
        CastCommand(),        PositionsCommand(), EventsCommand(), StationsCommand(),
        ConvertCommand(),     LunarYearCommand(), TermsCommand(),  CalendarCommand(),
        FindPillarsCommand(), PlaceCommand(),     DbCommand(),     PathsCommand(),
    };
    return kCommands;
}

}  // namespace tavrel::cli
