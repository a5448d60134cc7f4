#pragma once

#include "command.h"

namespace tavrel::cli {

// The db sub-commands on whole databases; each returns the exit status. The dispatcher has
// checked the number of words.
int RunDbImportBirthdays(CommandContext& context);  // import-birthdays FILE…
int RunDbExportBirthdays(CommandContext& context);  // export-birthdays DIR [--category "C …"]
int RunDbImportDb(CommandContext& context);         // import-db FILE
int RunDbExportDb(CommandContext& context);         // export-db DIR [--category "C …"]
int RunDbBackup(CommandContext& context);           // backup DIR
int RunDbRestore(CommandContext& context);          // restore DIR
int RunDbReorganise(CommandContext& context);       // reorganise

}  // namespace tavrel::cli
