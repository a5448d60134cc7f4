#pragma once

#include "command.h"

namespace tavrel::cli {

// The db sub-commands on single cases and the case list; each returns the exit status. The
// dispatcher has checked the words: show, update and delete have a valid case id.
int RunDbShow(CommandContext& context);
int RunDbList(CommandContext& context);
int RunDbAdd(CommandContext& context);
int RunDbUpdate(CommandContext& context);
int RunDbDelete(CommandContext& context);

}  // namespace tavrel::cli
