#include "commands/paths_command.h"

namespace tavrel::cli {

namespace {

const char* ModeName(DataRootMode mode) {
    switch (mode) {
        case DataRootMode::kOverride:
            return "TAVREL_HOME";
        case DataRootMode::kPortable:
            return "portable";
        case DataRootMode::kUser:
            return "user";
    }
    return "";
}

int RunPaths(CommandContext& context) {
    const DataRoot& root = context.root;
    Json document = Json::MakeObject();
    document.Set("data_root", root.folder)
        .Set("mode", ModeName(root.mode))
        .Set("settings", DataPath(root, "dat/set.ini"))
        .Set("window_settings", DataPath(root, "dat/tavrelinit.ini"))
        .Set("places", DataPath(root, "dat/address.ini"))
        .Set("database", DataPath(root, "dat/tavrel.db"))
        .Set("comments", DataPath(root, "tavrel_f"));
    const std::string text = "data root  " + root.folder + " (" + ModeName(root.mode) + ")\n" +
                             "settings   " + DataPath(root, "dat/set.ini") + "\n" + "database   " +
                             DataPath(root, "dat/tavrel.db") + "\n" + "comments   " +
                             DataPath(root, "tavrel_f") + "\n";
    return Succeed(context, document, text);
}

}  // namespace

Command PathsCommand() {
    return {"paths", "", "show where settings, places, cases and comments are kept", {}, RunPaths};
}

}  // namespace tavrel::cli
