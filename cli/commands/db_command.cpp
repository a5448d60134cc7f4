#include "commands/db_command.h"

#include <string>

#include "birth_options.h"
#include "commands/db_case_commands.h"
#include "commands/db_exchange_commands.h"
#include "commands/db_search_commands.h"
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

// Option groups a sub-command accepts.
enum OptionGroup : unsigned {
    kBirthGroup = 1,     // the birth options
    kCategoryGroup = 2,  // --category
    kCommentGroup = 4,   // --comment
    kSearchGroup = 8,    // --whole-name, --whole-category, --sex, --years, --province
    kTreeGroup = 16,     // --order, --view
    kNameGroup = 32,     // --name: the case's name, or the name searched for
};

struct SubCommand {
    const char* name;
    std::size_t minWords;  // words including the sub-command's name
    std::size_t maxWords;  // 0: no limit
    unsigned groups;
    const char* wordsHint;  // what the words are, for the usage error
    int (*run)(CommandContext& context);
};

constexpr unsigned kCaseGroups = kBirthGroup | kNameGroup | kCategoryGroup | kCommentGroup;

constexpr SubCommand kSubCommands[] = {
    {"info", 1, 1, 0, "no words", RunDbInfo},
    {"list", 1, 1, 0, "no words", RunDbList},
    {"show", 2, 2, 0, "one case id", RunDbShow},
    {"add", 1, 1, kCaseGroups, "no words", RunDbAdd},
    {"update", 2, 2, kCaseGroups, "one case id", RunDbUpdate},
    {"delete", 2, 2, 0, "one case id", RunDbDelete},
    {"categories", 1, 1, 0, "no words", RunDbCategories},
    {"import-birthdays", 2, 0, 0, "one or more birthday files", RunDbImportBirthdays},
    {"export-birthdays", 2, 2, kCategoryGroup, "one folder", RunDbExportBirthdays},
    {"import-db", 2, 2, 0, "one database file", RunDbImportDb},
    {"export-db", 2, 2, kCategoryGroup, "one folder", RunDbExportDb},
    {"backup", 2, 2, 0, "one folder", RunDbBackup},
    {"restore", 2, 2, 0, "one backup folder", RunDbRestore},
    {"reorganise", 1, 1, 0, "no words", RunDbReorganise},
    {"search", 1, 1, kNameGroup | kCategoryGroup | kCommentGroup | kSearchGroup, "no words",
     RunDbSearch},
    {"find", 2, 0, 0, "one or more keywords", RunDbFind},
    {"tree", 1, 1, kTreeGroup, "no words", RunDbTree},
};

const Command& Self();

// The option groups present on the command line.
unsigned GroupsGiven(const Arguments& args) {
    unsigned groups = 0;
    for (const OptionSpec& option : BirthOptionSpecs()) {
        if (args.Has(option.name)) {
            groups |= std::string_view(option.name) == "name" ? kNameGroup : kBirthGroup;
        }
    }
    if (args.Has("category")) groups |= kCategoryGroup;
    if (args.Has("comment")) groups |= kCommentGroup;
    for (const char* name : {"whole-name", "whole-category", "sex", "years", "province"}) {
        if (args.Has(name)) groups |= kSearchGroup;
    }
    if (args.Has("order") || args.Has("view")) groups |= kTreeGroup;
    return groups;
}

int RunDb(CommandContext& context) {
    const auto& words = context.args.Positionals();
    if (words.empty()) return UsageError(context, Self(), "which db sub-command?");
    for (const SubCommand& sub : kSubCommands) {
        if (words.front() != sub.name) continue;
        if ((GroupsGiven(context.args) & ~sub.groups) != 0) {
            return UsageError(context, Self(),
                              "an option given is not one of db " + std::string(sub.name));
        }
        if (words.size() < sub.minWords || (sub.maxWords != 0 && words.size() > sub.maxWords)) {
            return UsageError(context, Self(),
                              "db " + std::string(sub.name) + " takes " + sub.wordsHint);
        }
        if (sub.run == RunDbShow || sub.run == RunDbUpdate || sub.run == RunDbDelete) {
            if (!CaseId(context)) {
                return UsageError(context, Self(), "a case id is a positive whole number");
            }
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
    for (const char* name : {"sex", "years", "province", "order", "view"}) {
        options.push_back({name, true});
    }
    options.push_back({"whole-name", false});
    options.push_back({"whole-category", false});
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
            "  import-birthdays FILE…  add the cases of birthday files (UTF-8, one case a line;\n"
            "                       the file name is the category)\n"
            "  export-birthdays DIR [--category \"C …\"]  one birthday file per category\n"
            "  import-db FILE       add the cases of another case database\n"
            "  export-db DIR [--category \"C …\"]  the cases into a new database in DIR\n"
            "  backup DIR           the database and the comment files into a new folder in DIR\n"
            "  restore DIR          replace the data by the backup in DIR\n"
            "  reorganise           renumber the cases 1, 2, 3 … and drop unused categories\n"
            "  search [--name T [--whole-name]] [--category T [--whole-category]] [--comment T]\n"
            "         [--sex male|female] [--years A..B] [--province N|NAME]\n"
            "                       the cases meeting every condition given\n"
            "  find WORD…           the cases where every word is found (name, sex, place,\n"
            "                       category, 1980年, 5月, 6日, 午时, comment)\n"
            "  tree [--order time-desc|time-asc|surname-asc|surname-desc|none]\n"
            "       [--view category|list]\n"
            "                       every case as the case tree shows it"
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
        "info|list|show ID|add …|update ID …|delete ID|categories|import-birthdays FILE…|"
        "export-birthdays DIR|import-db FILE|export-db DIR|backup DIR|restore DIR|reorganise|"
        "search …|find WORD…|tree [--db FILE]",
        "the case database: list, show, add, change and delete cases, list the categories",
        DbOptions(),
        RunDb,
        Details().c_str()};
    return kCommand;
}

}  // namespace

Command DbCommand() { return Self(); }

}  // namespace tavrel::cli
