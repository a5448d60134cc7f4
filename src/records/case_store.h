#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/record_data.h"
#include "records/sqlite_connection.h"

namespace tavrel {

// The case store: the case database (tables case_data and case_extra), the comment files in
// <program folder>/tavrel_f and the one-time conversion of the old case file. Single operations
// open and close their own connection; between BeginBatch and EndBatch the batch variants share
// one connection and one transaction: what they write reaches the file at EndBatch or not at all,
// and a batch that only reads takes the file's shared lock once. A single operation called
// during a batch runs inside it. One object serves one thread at a time; another thread (the
// case-loading worker) opens its own object on the same file.
class MRecordBase {
  public:
    // 0 ready; -1 failed (GetLastError says why); 1 ready and old cases converted (GetLastError
    // holds the conversion message).
    int Open(const std::string& databasePath, const std::string& programFolder, bool convertLegacy);

    std::int32_t GetLastId() const { return lastId_; }
    const std::string& GetLastError() const { return lastError_; }
    const std::string& DatabasePath() const { return databasePath_; }
    const std::string& ProgramFolder() const { return programFolder_; }

    bool BeginBatch();
    // Commits what the batch wrote; false (nothing of it kept) when the commit fails.
    bool EndBatch();

    bool ReadCase(std::int32_t id, TRecordData& record);
    bool ReadCaseBatch(std::int32_t id, TRecordData& record);
    // The new id (also written into record.id), or -1.
    std::int32_t InsertCase(TRecordData& record);
    std::int32_t InsertCaseBatch(TRecordData& record);
    bool UpdateCase(std::int32_t id, const TRecordData& record);
    bool UpdateCaseBatch(std::int32_t id, const TRecordData& record);
    // The comment file is left to the caller.
    bool DeleteCase(std::int32_t id);
    bool DeleteCaseBatch(std::int32_t id);

    bool ReadCategories(std::vector<std::string>& categories);
    bool WriteCategories(const std::vector<std::string>& categories);
    bool AddCategory(const std::string& name);

    // primaryId of case_extra, or -1.
    std::int32_t ReadPrimaryId();
    bool IsBaseType(std::string_view expected);

    // Writes the comment file of every stored case that has none, from its comment text.
    // 1, or 0 when the primary id cannot be read.
    int EnsureCommentFiles();
    // Full path of a comment file that does not exist yet for the record; baseName gets its base
    // name: name_YYYYMMDDHHMM, then with _0, _1, ... appended.
    std::string MakeCommentFileName(const TRecordData& record, std::string& baseName) const;

  private:
    // Runs `operation` on the batch connection, or on a connection of its own opened for it.
    template <typename Result, typename Operation>
    Result Single(Result failure, Operation operation);

    bool CreateCaseData();
    bool CreateCaseExtra();
    bool OpenExisting();
    bool CreateNew();
    int ConvertLegacy();
    std::int32_t InsertRow(TRecordData& record);

    std::string databasePath_;
    std::string programFolder_;
    std::int32_t lastId_ = 0;
    std::int32_t batchStartId_ = 0;
    bool inBatch_ = false;
    SqliteConnection connection_;
    std::string lastError_;
};

// The category list of a new database, in this order.
const std::vector<std::string>& DefaultCategories();

inline constexpr const char* kBaseType = "birthData";

}  // namespace tavrel
