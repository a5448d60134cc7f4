#include "commands/db_search_commands.h"

#include <charconv>

#include "commands/db_store.h"
#include "places/province_names.h"
#include "records/case_search.h"
#include "records/case_tree.h"

namespace tavrel::cli {

namespace {

// The ids as JSON and as result lines.
int SucceedWithIds(CommandContext& context, MRecordBase& store,
                   const std::vector<std::int32_t>& ids) {
    Json list = Json::MakeArray();
    std::string text;
    store.BeginBatch();
    for (const std::int32_t id : ids) {
        list.Push(id);
        TRecordData record;
        if (store.ReadCaseBatch(id, record))
            text += std::to_string(id) + "  " + ResultLine(record) + '\n';
    }
    store.EndBatch();
    return Succeed(context, Json::MakeObject().Set("ids", std::move(list)), text);
}

// The province entry of the dialog: 0 for any, else the index + 1 of a number or a name.
bool ProvinceEntry(std::string_view word, int& entry) {
    int index = -1;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), index);
    if (error != std::errc() || end != word.data() + word.size()) {
        index = -1;
        for (int i = 0; i < kProvinceCount; ++i) {
            if (PROVINCE_NAME[static_cast<std::size_t>(i)] == word) index = i;
        }
    }
    if (index < 0 || index >= kProvinceCount) return false;
    entry = index + 1;
    return true;
}

struct OrderName {
    const char* name;
    int order;
};
constexpr OrderName kOrders[] = {{"none", kOrderNone},
                                 {"time-desc", kTimeDescending},
                                 {"time-asc", kTimeAscending},
                                 {"surname-asc", kSurnameAscending},
                                 {"surname-desc", kSurnameDescending}};

Json NodeJson(const TreeNode& node) {
    Json json = Json::MakeObject().Set("text", node.text);
    if (node.id == -1) {
        json.Set("category", node.text);
    } else {
        json.Set("id", node.id);
    }
    Json children = Json::MakeArray();
    for (const TreeNode& child : node.children) children.Push(NodeJson(child));
    return json.Set("children", std::move(children));
}

}  // namespace

int RunDbSearch(CommandContext& context) {
    const Arguments& args = context.args;
    SearchDialogFields fields;
    fields.name = args.Value("name").value_or("");
    fields.nameWhole = args.Has("whole-name");
    fields.category = args.Value("category").value_or("");
    fields.categoryWhole = args.Has("whole-category");
    fields.comment = args.Value("comment").value_or("");
    if (const auto sex = args.Value("sex")) {
        if (*sex != "male" && *sex != "female") return Fail(context, "--sex is male or female");
        fields.sexEntry = *sex == "male" ? 1 : 2;
    }
    if (const auto years = args.Value("years")) {
        const std::size_t dots = years->find("..");
        if (dots == std::string::npos) return Fail(context, "--years is FROM..TO");
        fields.yearFrom = years->substr(0, dots);
        fields.yearTo = years->substr(dots + 2);
    }
    if (const auto province = args.Value("province")) {
        if (!ProvinceEntry(*province, fields.provinceEntry)) {
            return Fail(context, "unknown province '" + *province + "'");
        }
    }
    SearchConditions conditions;
    std::string message;
    if (!ConditionsOfDialog(fields, conditions, message)) return Fail(context, message);
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    if (store.GetLastId() == 0) return Fail(context, kNothingToSearch);
    return SucceedWithIds(context, store, SearchByConditions(store, conditions));
}

int RunDbFind(CommandContext& context) {
    const auto& words = context.args.Positionals();
    std::vector<std::string> keywords;
    for (std::size_t i = 1; i < words.size(); ++i) {
        for (std::string& keyword : SplitKeywords(words[i])) keywords.push_back(std::move(keyword));
    }
    if (keywords.empty()) return Fail(context, kNoKeywords);
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    return SucceedWithIds(context, store, SearchByKeywords(store, keywords));
}

int RunDbTree(CommandContext& context) {
    int order = kOrderNone;
    if (const auto given = context.args.Value("order")) {
        order = -1;
        for (const OrderName& entry : kOrders) {
            if (*given == entry.name) order = entry.order;
        }
        if (order == -1)
            return Fail(context,
                        "--order is time-desc, time-asc, surname-asc, surname-desc or none");
    }
    int view = kCategoryView;
    if (const auto given = context.args.Value("view")) {
        if (*given != "category" && *given != "list")
            return Fail(context, "--view is category or list");
        view = *given == "list" ? kListView : kCategoryView;
    }
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    CaseLoader loader;
    PreparedTree prepared;
    std::string error;
    if (!loader.LoadAll(store, order, CliLunarToSolar(), prepared, error, nullptr)) {
        return Fail(context, error);
    }
    Json nodes = Json::MakeArray();
    std::string text;
    for (const TreeNode& node : FillTree(prepared, view)) {
        nodes.Push(NodeJson(node));
        text += node.text + '\n';
        for (const TreeNode& child : node.children) text += "  " + child.text + '\n';
    }
    return Succeed(context, Json::MakeObject().Set("nodes", std::move(nodes)), text);
}

}  // namespace tavrel::cli
