#include "commands/db_command.h"

#include <string>

#include "birth_options.h"
#include "commands/db_case_commands.h"
#include "commands/db_store.h"
#include "records/comment_files.h"

namespace tavrel::cli {

namespace {

int RunDbCategories(CommandContext& context) {
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    std::vector<std::string> categories;
    if (!store.ReadCategories(categories)) return Fail(context, store.GetLastError());
    Json list = Json::MakeArray();
    std::string text;
    for (const std::string& name : categories) {
        list.Push(name);
        text += name + '\n';
    }
    return Succeed(context, Json::MakeObject().Set("categories", std::move(list)), text);
}

int RunDbInfo(CommandContext& context) {
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    std::vector<std::string> categories;
    store.ReadCategories(categories);
    int cases = 0;
    if (!store.BeginBatch()) return Fail(context, store.GetLastError());
    for (std::int32_t id = 1; id <= store.GetLastId(); ++id) {
        TRecordData record;
        if (store.ReadCaseBatch(id, record)) ++cases;
    }
    store.EndBatch();
    const std::string comments = CommentFolder(store.ProgramFolder());
    Json document = Json::MakeObject();
    document.Set("database", store.DatabasePath())
        .Set("comments", comments)
        .Set("base_type", store.IsBaseType(kBaseType) ? kBaseType : "")
        .Set("last_id", store.GetLastId())
        .Set("cases", cases)
        .Set("categories", static_cast<int>(categories.size()));
    const std::string text = "database    " + store.DatabasePath() + "\ncomments    " + comments +
                             "\ncases       " + std::to_string(cases) + "\nlast id     " +
                             std::to_string(store.GetLastId()) + "\ncategories  " +
                             std::to_string(categories.size()) + "\n";
    return Succeed(context, document, text);
}

struct SubCommand {
    const char* name;
    bool takesCase;  // add and update take the birth options, --category and --comment
    int (*run)(CommandContext& context);
};

constexpr SubCommand kSubCommands[] = {
    {"info", false, RunDbInfo},
    {"list", false, RunDbList},
    {"show", false, RunDbShow},
    {"add", true, RunDbAdd},
    {"update", true, RunDbUpdate},
    {"delete", false, RunDbDelete},
    {"categories", false, RunDbCategories},
};

const Command& Self();

int RunDb(CommandContext& context) {
    const auto& words = context.args.Positionals();
    if (words.empty()) return UsageError(context, Self(), "which db sub-command?");
    for (const SubCommand& sub : kSubCommands) {
        if (words.front() != sub.name) continue;
        const bool caseOptions = HasBirthOption(context.args) || context.args.Has("category") ||
                                 context.args.Has("comment");
        if (caseOptions && !sub.takesCase) {
            return UsageError(context, Self(),
                              "birth options, --category and --comment are for add and update");
        }
        const std::size_t wanted = std::string_view(sub.name) == "show" ||
                                           std::string_view(sub.name) == "update" ||
                                           std::string_view(sub.name) == "delete"
                                       ? 2
                                       : 1;
        if (words.size() != wanted) {
            return UsageError(context, Self(),
                              wanted == 2 ? "db " + std::string(sub.name) + " wants one case id"
                                          : "db " + std::string(sub.name) + " takes no words");
        }
        if (wanted == 2 && !CaseId(context)) {
            return UsageError(context, Self(), "a case id is a positive whole number");
        }
        return sub.run(context);
    }
    return UsageError(context, Self(), "unknown db sub-command '" + words.front() + "'");
}

std::vector<OptionSpec> DbOptions() {
    std::vector<OptionSpec> options = BirthOptionSpecs();
    options.push_back({"db", true});
    options.push_back({"category", true});
    options.push_back({"comment", true});
    return options;
}

const std::string& Details() {
    static const std::string kDetails =
        std::string(
            "sub-commands:\n"
            "  info                 the database file, its number of cases and categories\n"
            "  list                 every case, oldest first\n"
            "  show ID              one case\n"
            "  add --date … [birth options] [--category NAME] [--comment TEXT]\n"
            "                       store a new case; prints its id\n"
            "  update ID [birth options] [--category NAME] [--comment TEXT]\n"
            "                       change only the fields given\n"
            "  delete ID            delete a case and its comment file\n"
            "  categories           the category list in its order\n"
            "options:\n"
            "  --db FILE            another case database (default dat/tavrel.db under the data\n"
            "                       root)\n"
            "  --category NAME      the case's category (default 临时保存); a new one joins the\n"
            "                       list\n"
            "  --comment TEXT       the comment, kept in the database and in the case's RTF "
            "file\n") +
        kBirthOptionsHelp;
    return kDetails;
}

const Command& Self() {
    static const Command kCommand{
        "db",
        "info|list|show ID|add …|update ID …|delete ID|categories [--db FILE]",
        "the case database: list, show, add, change and delete cases, list the categories",
        DbOptions(),
        RunDb,
        Details().c_str()};
    return kCommand;
}

}  // namespace

Command DbCommand() { return Self(); }

}  // namespace tavrel::cli
