#include "commands/db_exchange_commands.h"

#include <ctime>
#include <filesystem>

#include "commands/db_store.h"
#include "places/place_file.h"
#include "records/case_exchange.h"
#include "records/case_names.h"
#include "records/exchange_messages.h"

namespace tavrel::cli {

namespace {

Json CountDocument(int count) { return Json::MakeObject().Set("count", count); }

// --category "家人 朋友" names the categories to export (names hold no spaces); none = all.
std::vector<std::string> ChosenCategories(const CommandContext& context) {
    const auto given = context.args.Value("category");
    return given ? SplitItems(*given) : std::vector<std::string>{};
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

const std::string& Word(const CommandContext& context, std::size_t index) {
    return context.args.Positionals()[index];
}

}  // namespace

int RunDbImportBirthdays(CommandContext& context) {
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    const IniFile placeFile(DataPath(context.root, kPlaceFilePath));
    const PlaceList places = ReadPlaceList(placeFile);
    CaseExchange exchange(store, CliLunarToSolar());
    int count = 0;
    const auto& words = context.args.Positionals();
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(words[i], error)) {
            return Fail(context, "不存在的文件，无法导入：" + words[i]);
        }
        count += exchange.ImportBirthdayFile(words[i], places);
    }
    return Succeed(context, CountDocument(count), ImportedMessage(count) + "\n");
}

int RunDbExportBirthdays(CommandContext& context) {
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    const std::vector<std::string> names = ChosenCategories(context);
    CaseExchange exchange(store, CliLunarToSolar());
    const int count = exchange.ExportBirthdayFiles(Word(context, 1), names, names.empty());
    if (count < 0) return Fail(context, exchange.GetLastError());
    return Succeed(context, CountDocument(count),
                   std::to_string(count) + " 个案例生日文件已经导出到：" + Word(context, 1) + "\n");
}

int RunDbImportDb(CommandContext& context) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(Word(context, 1), error)) {
        return Fail(context, kNoImportDatabase);
    }
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    CaseExchange exchange(store, CliLunarToSolar());
    const int count = exchange.ImportDatabase(Word(context, 1), nullptr);
    if (count <= 0) return Fail(context, exchange.GetLastError());
    return Succeed(context, CountDocument(count), ImportedMessage(count) + "\n");
}

int RunDbExportDb(CommandContext& context) {
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    const std::vector<std::string> names = ChosenCategories(context);
    const std::string file = ExportDatabaseFileName(Word(context, 1), LocalNow());
    CaseExchange exchange(store, CliLunarToSolar());
    const int count = exchange.ExportDatabase(file, names, names.empty(), nullptr);
    if (count <= 0) return Fail(context, exchange.GetLastError());
    return Succeed(context, CountDocument(count).Set("file", file),
                   std::to_string(count) + " 个案例已经保存到：" + file + "\n");
}

int RunDbBackup(CommandContext& context) {
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    const std::string folder = BackupFolderName(Word(context, 1), LocalNow());
    std::error_code error;
    if (std::filesystem::exists(folder, error)) {
        return Fail(context, kBackupFolderExists);
    }
    std::filesystem::create_directories(folder, error);
    CaseExchange exchange(store, CliLunarToSolar());
    if (!exchange.BackupTo(folder)) return Fail(context, exchange.GetLastError());
    return Succeed(context, Json::MakeObject().Set("folder", folder),
                   BackupDoneMessage(folder) + "\n");
}

int RunDbRestore(CommandContext& context) {
    const std::filesystem::path folder(Word(context, 1));
    std::error_code error;
    if (!std::filesystem::is_regular_file(folder / "tavrel.db", error)) {
        return Fail(context, kNoRestoreDatabase);
    }
    if (!std::filesystem::is_directory(folder / "tavrel_f", error)) {
        return Fail(context, kNoRestoreComments);
    }
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    CaseExchange exchange(store, CliLunarToSolar());
    if (!exchange.RestoreFrom(folder.string())) return Fail(context, exchange.GetLastError());
    return Succeed(context, Json::MakeObject().Set("folder", folder.string()), "成功还原\n");
}

int RunDbReorganise(CommandContext& context) {
    MRecordBase store;
    int status = kExitOk;
    if (!OpenCaseStore(context, store, status)) return status;
    const std::string refusal = ReorganiseRefusal(store.GetLastId());
    if (!refusal.empty()) return Fail(context, refusal);
    CaseExchange exchange(store, CliLunarToSolar());
    const int count = exchange.Reorganise(nullptr);
    if (count <= 0) return Fail(context, exchange.GetLastError());
    return Succeed(context, CountDocument(count), ReorganisedMessage(count) + "\n");
}

}  // namespace tavrel::cli
