#include <cstdio>

#include "records/case_names.h"
#include "records/case_store_internal.h"
#include "records/comment_files.h"

namespace tavrel {

std::string MRecordBase::MakeCommentFileName(const TRecordData& record,
                                             std::string& baseName) const {
    const TChartRequest& r = record.request;
    // The name is a file name here; cleaning keeps a stray '/' from leaving the folder.
    std::string name = r.name;
    CleanName(name, 0);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "_%04d%02d%02d%02d%02d", r.year, r.month, r.day, r.hour,
                  r.minute);
    const std::string base = name + stamp;
    std::string candidate = base;
    for (int n = 0; FindCommentFile(programFolder_, candidate); ++n) {
        candidate = base + "_" + std::to_string(n);
    }
    baseName = candidate;
    return CommentFilePath(programFolder_, candidate);
}

int MRecordBase::EnsureCommentFiles() {
    const std::int32_t primaryId = ReadPrimaryId();
    if (primaryId == -1) return 0;
    const bool ownBatch = !inBatch_;
    if (ownBatch && !BeginBatch()) return 0;
    for (std::int32_t id = 1; id <= primaryId; ++id) {
        TRecordData record;
        if (!ReadCaseBatch(id, record) || !IsUsableCommentBase(record.remarkFile) ||
            FindCommentFile(programFolder_, record.remarkFile)) {
            continue;
        }
        WriteCommentFile(CommentFilePath(programFolder_, record.remarkFile), record.remarkText);
    }
    if (ownBatch) EndBatch();
    return 1;
}

}  // namespace tavrel
