#include "commands/db_store.h"

#include <charconv>
#include <filesystem>
#include <memory>

#include "calendar/lunar_calendar.h"

namespace tavrel::cli {

bool OpenCaseStore(CommandContext& context, MRecordBase& store, int& status) {
    const auto given = context.args.Value("db");
    const std::string path = given ? *given : DataPath(context.root, "dat/tavrel.db");
    if (!given) {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    }
    const int result = store.Open(path, context.root.folder, !given);
    if (result == -1) {
        status = Fail(context, store.GetLastError());
        return false;
    }
    if (result == 1) context.err << store.GetLastError() << '\n';
    return true;
}

LunarToSolarFn CliLunarToSolar() {
    auto calendar = std::make_shared<MYiDateEx>();
    return [calendar](const TDateRec& lunar, bool leap, TDateRec& solar) {
        return calendar->LunarToSolar(lunar, leap, solar);
    };
}

std::optional<std::int32_t> CaseId(const CommandContext& context) {
    const auto& words = context.args.Positionals();
    if (words.size() != 2) return std::nullopt;
    std::int32_t id = 0;
    const std::string& word = words[1];
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
    if (error != std::errc() || end != word.data() + word.size() || id <= 0) return std::nullopt;
    return id;
}

}  // namespace tavrel::cli
