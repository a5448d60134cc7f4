#include "commands/db_case_commands.h"

#include <filesystem>

#include "birth_options.h"
#include "commands/db_case_json.h"
#include "commands/db_command.h"
#include "commands/db_store.h"
#include "records/case_names.h"
#include "records/comment_files.h"

namespace tavrel::cli {

namespace {

// Opens the store and reads a case of it; false after printing why there is none (no store, a
// failed query or no such id).
bool OpenStoredCase(CommandContext& context, MRecordBase& store, std::int32_t id,
                    TRecordData& record, int& status) {
    if (!OpenCaseStore(context, store, status)) return false;
    // The store's text may still hold the message of a conversion done by Open.
    const std::string before = store.GetLastError();
    if (store.ReadCase(id, record)) return true;
    status =
        Fail(context, store.GetLastError() != before ? store.GetLastError()
                                                     : "no case with id " + std::to_string(id));
    return false;
}

Json IdDocument(std::int32_t id) { return Json::MakeObject().Set("id", id); }

// Files a case under a category the list does not have yet, as the window does.
void EnsureCategory(CommandContext& context, MRecordBase& store, const std::string& category) {
    std::vector<std::string> categories;
    if (store.ReadCategories(categories) && !ContainsName(categories, category) &&
        !store.AddCategory(category)) {
        context.err << store.GetLastError() << '\n';
    }
}

void WriteComment(CommandContext& context, const std::string& path, const std::string& text) {
    if (!WriteCommentFile(path, text)) {
        context.err << "cannot write the comment file " << path << '\n';
    }
}

// Applies --category (cleaned as every category name is) and --comment (kept as written).
void ApplyCaseOptions(const Arguments& args, TRecordData& record) {
    if (const auto category = args.Value("category")) {
        record.className = *category;
        CleanName(record.className, kNameCharacters);
    }
    if (const auto comment = args.Value("comment")) record.remarkText = *comment;
}

}  // namespace

int RunDbShow(CommandContext& context) {
    const std::int32_t id = *CaseId(context);
    MRecordBase store;
    TRecordData record;
    int status = kExitOk;
    if (!OpenStoredCase(context, store, id, record, status)) return status;
    return Succeed(context, Json::MakeObject().Set("case", CaseJson(record)), CaseText(record));
}

int RunDbList(CommandContext& context) {
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    Json cases = Json::MakeArray();
    std::string text;
    if (!store.BeginBatch()) return Fail(context, store.GetLastError());
    for (std::int32_t id = 1; id <= store.GetLastId(); ++id) {
        TRecordData record;
        if (!store.ReadCaseBatch(id, record)) continue;
        cases.Push(CaseJson(record));
        text += CaseLine(record);
    }
    store.EndBatch();
    return Succeed(context, Json::MakeObject().Set("cases", std::move(cases)), text);
}

int RunDbAdd(CommandContext& context) {
    if (!context.args.Has("date")) return UsageError(context, DbCommand(), "db add needs --date");
    TChartRequest request = DefaultBirthRequest();
    std::string problem;
    if (!ApplyBirthOptions(context.args, request, problem)) {
        return UsageError(context, DbCommand(), problem);
    }
    TRecordData record = CaseOfChartRequest(request, kDefaultCategory, kDefaultRemark, "");
    ApplyCaseOptions(context.args, record);

    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    const std::string commentPath = store.MakeCommentFileName(record, record.remarkFile);
    const std::int32_t id = store.InsertCase(record);
    if (id == -1) return Fail(context, store.GetLastError());
    WriteComment(context, commentPath, record.remarkText);
    EnsureCategory(context, store, record.className);
    return Succeed(context, IdDocument(id), "added case " + std::to_string(id) + "\n");
}

int RunDbUpdate(CommandContext& context) {
    const std::int32_t id = *CaseId(context);
    MRecordBase store;
    TRecordData record;
    int status = kExitOk;
    if (!OpenStoredCase(context, store, id, record, status)) return status;
    std::string problem;
    if (!ApplyBirthOptions(context.args, record.request, problem)) {
        return UsageError(context, DbCommand(), problem);
    }
    ApplyCaseOptions(context.args, record);
    const bool newComment = context.args.Has("comment");
    if (newComment && !IsUsableCommentBase(record.remarkFile)) {
        store.MakeCommentFileName(record, record.remarkFile);
    }
    if (!store.UpdateCase(id, record)) return Fail(context, store.GetLastError());
    if (newComment) {
        const auto existing = FindCommentFile(store.ProgramFolder(), record.remarkFile);
        WriteComment(
            context,
            existing ? *existing : CommentFilePath(store.ProgramFolder(), record.remarkFile),
            record.remarkText);
    }
    if (context.args.Has("category")) EnsureCategory(context, store, record.className);
    return Succeed(context, IdDocument(id), "updated case " + std::to_string(id) + "\n");
}

int RunDbDelete(CommandContext& context) {
    const std::int32_t id = *CaseId(context);
    MRecordBase store;
    TRecordData record;
    int status = kExitOk;
    if (!OpenStoredCase(context, store, id, record, status)) return status;
    if (!store.DeleteCase(id)) return Fail(context, store.GetLastError());
    // The comment file goes with its case, as when a case is deleted in the window.
    if (const auto file = FindCommentFile(store.ProgramFolder(), record.remarkFile)) {
        std::error_code error;
        std::filesystem::remove(*file, error);
    }
    return Succeed(context, IdDocument(id), "deleted case " + std::to_string(id) + "\n");
}

}  // namespace tavrel::cli
