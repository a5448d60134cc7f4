#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "places/place_file.h"
#include "records/case_store.h"
#include "records/lunar_conversion.h"

namespace tavrel {

// Receives the progress text of a long database operation ("导入进度：40％").
using ProgressTextFn = std::function<void(const std::string& text)>;

// The file steps of backup, restore and reorganise, replaceable so that a failing disk can be
// imitated. Each returns false when the step failed.
struct FileOperations {
    std::function<bool(const std::string& from, const std::string& to)> copy;    // overwrites
    std::function<bool(const std::string& from, const std::string& to)> rename;  // replaces
};
FileOperations RealFileOperations();

// Import, export and maintenance of the whole case store of the application. Every operation
// leaves the current data as it was when it fails; GetLastError then says why.
class CaseExchange {
  public:
    CaseExchange(MRecordBase& store, LunarToSolarFn lunarToSolar,
                 FileOperations files = RealFileOperations());

    // Cases added from a birthday file (UTF-8, one case per line) into the category its file
    // name gives. A leading byte-order mark is removed from the file itself.
    int ImportBirthdayFile(const std::string& path, const PlaceList& places);
    // Lines written, one file per category into `folder` (created when missing); -1 when the
    // folder cannot be created. `all` exports every case, else those whose category is one of
    // `names` (letter case ignored).
    int ExportBirthdayFiles(const std::string& folder, const std::vector<std::string>& names,
                            bool all);
    // Cases added from another case database; 0 on failure. The source file is not changed.
    int ImportDatabase(const std::string& path, const ProgressTextFn& progress);
    // Cases written into a new database file; 0 on failure. An existing file is refused; the
    // file appears only once it is complete.
    int ExportDatabase(const std::string& path, const std::vector<std::string>& names, bool all,
                       const ProgressTextFn& progress);
    // The database file and the comment files into `folder`.
    bool BackupTo(const std::string& folder);
    // Replaces the current data by the backup in `folder`: the backup is copied aside first and
    // takes the place of the current data only when every copy succeeded.
    bool RestoreFrom(const std::string& folder);
    // Deletes the database file and every comment file.
    bool DeleteAllData();
    // Copies the cases into a new database with ids 1, 2, 3 … and only the categories in use,
    // then puts it in place of the database; cases kept, 0 on failure.
    int Reorganise(const ProgressTextFn& progress);

    const std::string& GetLastError() const { return lastError_; }

  private:
    bool Fail(std::string message);
    int FailCount(std::string message);
    bool ReplaceCommentFiles(const std::string& staging);

    MRecordBase& store_;
    LunarToSolarFn lunarToSolar_;
    FileOperations files_;
    std::string lastError_;
};

// "%sTavrel_%d年%d月%d日%d时%d分%d秒.db" in `folder`, from the local time `now`.
std::string ExportDatabaseFileName(const std::string& folder, const std::tm& now);
// "Tavrel_备份_%d年%d月%d日%d时%d分%d秒/" in `folder`.
std::string BackupFolderName(const std::string& folder, const std::tm& now);

// The refusal of 整理数据 for a small database, "" when it may run.
std::string ReorganiseRefusal(std::int32_t lastId);

// 删除案例数据 asks for a code of four random digits before deleting everything.
std::string MakeDeleteCode(std::uint32_t randomNumber);
std::string DeleteCodeTitle(std::string_view code);
inline constexpr std::string_view kDeleteCodePrompt = "请输入删除码：";
inline constexpr std::string_view kWrongDeleteCode = "删除码错误，无法删除！";
inline constexpr std::string_view kDeleteAllQuestion = "确定要删除所有案例吗？";
inline constexpr std::string_view kDeleteAllDone = "成功删除所有记录，请重新打开软件！";

}  // namespace tavrel
