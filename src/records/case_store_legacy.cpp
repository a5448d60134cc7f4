#include <filesystem>

#include "platform/file_util.h"
#include "records/case_names.h"
#include "records/case_store.h"
#include "records/comment_files.h"
#include "records/legacy_conversion.h"

namespace tavrel {

int MRecordBase::ConvertLegacy() {
    MDataBase legacy;
    legacy.OpenFile(programFolder_);
    std::error_code error;
    if (!std::filesystem::exists(legacy.Path(), error)) return 0;
    if (!legacy.BeginRead()) return 0;

    std::vector<std::string> categories;
    int read = 0;
    int inserted = 0;
    if (!BeginBatch()) {
        legacy.EndRead();
        return 0;
    }
    const int count = legacy.GetCount();
    for (int i = 0; i < count; ++i) {
        TLegacyRecord old;
        if (!legacy.ReadRecord(i, old)) continue;
        ++read;
        TConvertedCase converted = CaseOfLegacyRecord(old);
        TRecordData& record = converted.record;
        // The old comment is carried into the case whatever happens to its file name.
        const auto oldFile = FindCommentFile(programFolder_, old.remarkFile);
        const auto oldText = oldFile ? ReadCommentText(*oldFile) : std::nullopt;
        record.remarkText = oldText ? *oldText : kDefaultRemark;
        if (converted.nameChanged || !IsUsableCommentBase(record.remarkFile)) {
            // A new name of its own; the old file stays where it is, and its content is copied
            // at once so the formatting survives and the next case cannot take the same name.
            const std::string path = MakeCommentFileName(record, record.remarkFile);
            const auto bytes = oldFile ? ReadFileBytes(*oldFile) : std::nullopt;
            if (bytes) {
                WriteFileAtomically(path, *bytes);
            } else {
                WriteCommentFile(path, record.remarkText);
            }
        }
        if (!ContainsName(categories, record.className)) categories.push_back(record.className);
        if (InsertCaseBatch(record) != -1) ++inserted;
    }
    legacy.EndRead();
    const bool committed = EndBatch();
    if (!committed) inserted = 0;

    // Categories already in the database are kept after the converted ones.
    std::vector<std::string> existing;
    ReadCategories(existing);
    for (const std::string& name : existing) {
        if (!ContainsName(categories, name)) categories.push_back(name);
    }
    for (const std::string& name : DefaultCategories()) {
        if (!ContainsName(categories, name)) categories.push_back(name);
    }
    WriteCategories(categories);

    int result = 0;
    if (inserted > 0) {
        EnsureCommentFiles();
        lastError_ = "已经把旧版数据库转换到新版，共转换 " + std::to_string(inserted) + " 个案例！";
        result = 1;
    }
    // The old file goes only when every case in it is safely in the database.
    if (committed && inserted == read) std::filesystem::remove(legacy.Path(), error);
    return result;
}

}  // namespace tavrel
