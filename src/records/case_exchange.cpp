#include "records/case_exchange.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/file_util.h"
#include "records/birthday_file.h"
#include "records/case_names.h"
#include "records/comment_files.h"

namespace tavrel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBackupBase = "tavrel";

bool CopyFile(const std::string& from, const std::string& to) {
    std::error_code error;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
}

bool RenameFile(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
}

// Writes "<prefix>N％" each time the share of copied cases reaches a new multiple of ten.
class ProgressMeter {
  public:
    ProgressMeter(const ProgressTextFn& sink, std::string_view prefix, std::int32_t total)
        : sink_(sink), prefix_(prefix), total_(total) {}

    void Copied(std::int32_t copied) {
        if (!sink_ || total_ <= 0) return;
        const std::int64_t percent = static_cast<std::int64_t>(copied) * 100 / total_;
        if (percent % 10 != 0 || percent == last_) return;
        last_ = percent;
        sink_(prefix_ + std::to_string(percent) + "％");
    }
    void Done() {
        if (sink_) sink_(prefix_ + "100％");
    }

  private:
    const ProgressTextFn& sink_;
    std::string prefix_;
    std::int32_t total_;
    std::int64_t last_ = -1;
};

std::vector<std::string> RtfFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".rtf") files.push_back(it->path().string());
    }
    return files;
}

std::string Joined(const std::string& folder, std::string_view name) {
    return (fs::path(folder) / fs::path(std::string(name))).string();
}

bool Selected(const std::string& category, const std::vector<std::string>& names, bool all) {
    return all || ContainsName(names, category);
}

void RemoveQuietly(const std::string& path) {
    std::error_code error;
    fs::remove_all(path, error);
}

std::string TimeStamp(const std::tm& now) {
    char text[96];
    std::snprintf(text, sizeof text, "%d年%d月%d日%d时%d分%d秒", now.tm_year + 1900, now.tm_mon + 1,
                  now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

}  // namespace

FileOperations RealFileOperations() { return {CopyFile, RenameFile}; }

CaseExchange::CaseExchange(MRecordBase& store, LunarToSolarFn lunarToSolar, FileOperations files)
    : store_(store), lunarToSolar_(std::move(lunarToSolar)), files_(std::move(files)) {}

bool CaseExchange::Fail(std::string message) {
    lastError_ = std::move(message);
    return false;
}

int CaseExchange::FailCount(std::string message) {
    lastError_ = std::move(message);
    return 0;
}

int CaseExchange::ImportBirthdayFile(const std::string& path, const PlaceList& places) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return FailCount("无法读取生日文件！");
    if (bytes->size() >= 4 && bytes->compare(0, 3, "\xEF\xBB\xBF") == 0) {
        bytes->erase(0, 3);
        // The file loses its mark as a whole or not at all; the import goes on either way.
        WriteFileAtomically(path, *bytes);
    }
    const std::optional<std::string> category = BirthdayFileCategory(path);
    if (!category) return 0;
    std::vector<std::string> categories;
    if (store_.ReadCategories(categories) && !ContainsName(categories, *category)) {
        store_.AddCategory(*category);
    }
    if (!store_.BeginBatch()) return FailCount(store_.GetLastError());
    std::error_code error;
    fs::create_directories(CommentFolder(store_.ProgramFolder()), error);
    int count = 0;
    std::vector<std::string> written;
    std::string_view rest = *bytes;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view text = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::optional<BirthdayLine> line = ParseBirthdayLine(text);
        if (!line) continue;
        TRecordData record = CaseOfBirthdayLine(*line, places, *category);
        // Writing the comment file now keeps two equal lines of one file from sharing a name.
        const std::string commentPath = store_.MakeCommentFileName(record, record.remarkFile);
        if (store_.InsertCaseBatch(record) == -1) continue;
        if (WriteNewCommentFile(commentPath, record.remarkText)) written.push_back(commentPath);
        ++count;
    }
    if (!store_.EndBatch()) {
        for (const std::string& file : written) RemoveQuietly(file);
        return FailCount(store_.GetLastError());
    }
    store_.EnsureCommentFiles();
    return count;
}

int CaseExchange::ExportBirthdayFiles(const std::string& folder,
                                      const std::vector<std::string>& names, bool all) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) {
        lastError_ = "无法创建导出文件夹！";
        return -1;
    }
    if (!store_.BeginBatch()) return FailCount(store_.GetLastError());
    std::vector<std::pair<std::string, std::string>> files;  // category, content
    std::map<std::string, std::size_t> fileOf;
    std::map<std::string, int> linesOf;
    for (std::int32_t id = 1; id <= store_.GetLastId(); ++id) {
        TRecordData record;
        if (!store_.ReadCaseBatch(id, record) || !Selected(record.className, names, all)) continue;
        const std::optional<std::string> line = FormatBirthdayLine(record, lunarToSolar_);
        if (!line) continue;
        auto [entry, added] = fileOf.try_emplace(record.className, files.size());
        if (added) files.emplace_back(record.className, "");
        files[entry->second].second += *line + "\r\n";
        ++linesOf[record.className];
    }
    store_.EndBatch();
    int count = 0;
    for (const auto& [category, content] : files) {
        if (IsUsableCommentBase(category) &&
            WriteFileAtomically(Joined(folder, category + ".txt"), content)) {
            count += linesOf[category];
        } else {
            lastError_ = "无法写入生日文件：" + category + ".txt";
        }
    }
    return count;
}

int CaseExchange::ImportDatabase(const std::string& path, const ProgressTextFn& progress) {
    // Opening a store creates missing tables; a copy keeps the user's file as it is.
    const std::string copy =
        Joined(fs::path(store_.DatabasePath()).parent_path().string(), "tavrel_import.tmp");
    RemoveQuietly(copy);
    MRecordBase source;
    if (!CopyFile(path, copy) ||
        source.Open(copy, fs::path(copy).parent_path().string(), false) != 0) {
        RemoveQuietly(copy);
        return FailCount("无法打开导入的数据库文件！");
    }
    struct CopyRemover {
        const std::string& file;
        ~CopyRemover() { RemoveQuietly(file); }
    } remover{copy};
    if (!source.IsBaseType(kBaseType)) return FailCount("不是相同的数据库类型，无法导入！");
    std::vector<std::string> categories;
    if (!store_.ReadCategories(categories)) return FailCount(store_.GetLastError());
    if (!source.BeginBatch()) return FailCount("无法打开导入的数据库文件！");
    if (!store_.BeginBatch()) {
        source.EndBatch();
        return FailCount(store_.GetLastError());
    }
    std::error_code error;
    fs::create_directories(CommentFolder(store_.ProgramFolder()), error);
    ProgressMeter meter(progress, "导入进度：", source.GetLastId());
    int count = 0;
    std::vector<std::string> written;
    for (std::int32_t id = 1; id <= source.GetLastId(); ++id) {
        TRecordData record;
        if (!source.ReadCaseBatch(id, record)) continue;
        std::string commentPath = CommentFilePath(store_.ProgramFolder(), record.remarkFile);
        if (!IsUsableCommentBase(record.remarkFile) ||
            FindCommentFile(store_.ProgramFolder(), record.remarkFile)) {
            commentPath = store_.MakeCommentFileName(record, record.remarkFile);
        }
        if (store_.InsertCaseBatch(record) != -1) {
            ++count;
            if (!ContainsName(categories, record.className)) categories.push_back(record.className);
            if (WriteNewCommentFile(commentPath, record.remarkText)) written.push_back(commentPath);
        }
        meter.Copied(count);
    }
    source.EndBatch();
    if (!store_.EndBatch()) {
        for (const std::string& file : written) RemoveQuietly(file);
        return FailCount(store_.GetLastError());
    }
    if (count > 0 && !store_.WriteCategories(categories)) lastError_ = store_.GetLastError();
    return count;
}

int CaseExchange::ExportDatabase(const std::string& path, const std::vector<std::string>& names,
                                 bool all, const ProgressTextFn& progress) {
    std::error_code error;
    if (fs::exists(path, error)) return FailCount("当前时间的数据库文件已经存在，请稍后再导出！");
    const std::string partial = path + ".part";
    RemoveQuietly(partial);
    MRecordBase target;
    if (target.Open(partial, fs::path(partial).parent_path().string(), false) != 0) {
        RemoveQuietly(partial);
        return FailCount(target.GetLastError());
    }
    if (!store_.BeginBatch() || !target.BeginBatch()) {
        store_.EndBatch();
        RemoveQuietly(partial);
        return FailCount(store_.GetLastError());
    }
    ProgressMeter meter(progress, "导出进度：", store_.GetLastId());
    int count = 0;
    std::vector<std::string> categories;
    for (std::int32_t id = 1; id <= store_.GetLastId(); ++id) {
        TRecordData record;
        if (!store_.ReadCaseBatch(id, record) || !Selected(record.className, names, all)) continue;
        if (target.InsertCaseBatch(record) != -1) {
            ++count;
            if (!ContainsName(categories, record.className)) categories.push_back(record.className);
        }
        meter.Copied(count);
    }
    store_.EndBatch();
    const bool complete = target.EndBatch() && (count == 0 || target.WriteCategories(categories));
    if (!complete || count == 0) {
        RemoveQuietly(partial);
        return FailCount(complete ? "没有可以导出的案例！" : target.GetLastError());
    }
    if (!RenameFile(partial, path)) {
        RemoveQuietly(partial);
        return FailCount("无法更改文件名！");
    }
    meter.Done();
    return count;
}

bool CaseExchange::BackupTo(const std::string& folder) {
    if (!files_.copy(store_.DatabasePath(), Joined(folder, std::string(kBackupBase) + ".db"))) {
        return Fail("无法复制db文件！");
    }
    const std::string comments = Joined(folder, std::string(kBackupBase) + "_f");
    std::error_code error;
    fs::create_directories(comments, error);
    if (!fs::is_directory(comments, error)) return Fail("无法创建目的评语文件夹！");
    const std::vector<std::string> rtf = RtfFiles(CommentFolder(store_.ProgramFolder()));
    if (rtf.empty()) return Fail("找不到评语文件！");
    for (const std::string& file : rtf) {
        if (!files_.copy(file, Joined(comments, fs::path(file).filename().string()))) {
            return Fail("无法复制评语文件！");
        }
    }
    if (!WriteFileAtomically(Joined(comments, "save.txt"), "save\r\n")) {
        return Fail("无法复制评语文件！");
    }
    return true;
}

bool CaseExchange::RestoreFrom(const std::string& folder) {
    const std::string sourceDb = Joined(folder, std::string(kBackupBase) + ".db");
    const std::string sourceComments = Joined(folder, std::string(kBackupBase) + "_f");
    std::error_code error;
    if (!fs::is_regular_file(sourceDb, error)) return Fail("没有源db文件！");
    if (!fs::is_directory(sourceComments, error)) return Fail("没有源评语文件夹！");
    const std::vector<std::string> rtf = RtfFiles(sourceComments);
    if (rtf.empty()) return Fail("找不到源评语文件！");
    // Everything is copied next to the current data first; a failed copy leaves that data alone.
    const std::string stagedDb = store_.DatabasePath() + ".restore";
    const std::string staging = CommentFolder(store_.ProgramFolder()) + ".restore";
    RemoveQuietly(stagedDb);
    RemoveQuietly(staging);
    fs::create_directories(staging, error);
    const bool databaseCopied = !error && files_.copy(sourceDb, stagedDb);
    bool copied = databaseCopied;
    for (std::size_t i = 0; copied && i < rtf.size(); ++i) {
        copied = files_.copy(rtf[i], Joined(staging, fs::path(rtf[i]).filename().string()));
    }
    if (!copied) {
        RemoveQuietly(stagedDb);
        RemoveQuietly(staging);
        return Fail(databaseCopied ? "无法复制评语文件！" : "无法复制db文件！");
    }
    if (!files_.rename(stagedDb, store_.DatabasePath())) {
        RemoveQuietly(stagedDb);
        RemoveQuietly(staging);
        return Fail("无法复制db文件！");
    }
    const bool commentsPlaced = ReplaceCommentFiles(staging);
    RemoveQuietly(staging);
    if (store_.Open(store_.DatabasePath(), store_.ProgramFolder(), false) != 0) {
        return Fail(store_.GetLastError());
    }
    store_.EnsureCommentFiles();
    return commentsPlaced || Fail("无法复制评语文件！");
}

bool CaseExchange::ReplaceCommentFiles(const std::string& staging) {
    const std::string comments = CommentFolder(store_.ProgramFolder());
    std::error_code error;
    fs::create_directories(comments, error);
    for (const std::string& file : RtfFiles(comments)) fs::remove(file, error);
    bool placed = true;
    for (const std::string& file : RtfFiles(staging)) {
        placed =
            files_.rename(file, Joined(comments, fs::path(file).filename().string())) && placed;
    }
    return placed;
}

bool CaseExchange::DeleteAllData() {
    std::error_code error;
    fs::remove(store_.DatabasePath(), error);
    bool removed = !error;
    for (const std::string& file : RtfFiles(CommentFolder(store_.ProgramFolder()))) {
        removed = fs::remove(file, error) && removed;
    }
    return removed || Fail("无法删除案例数据！");
}

int CaseExchange::Reorganise(const ProgressTextFn& progress) {
    const std::string databasePath = store_.DatabasePath();
    const std::string targetPath = Joined(fs::path(databasePath).parent_path().string(),
                                          std::string(kBackupBase) + "_back.db");
    // A file left by an earlier run would have its cases copied in front of these.
    RemoveQuietly(targetPath);
    int count = 0;
    {
        MRecordBase target;
        if (target.Open(targetPath, store_.ProgramFolder(), false) != 0) {
            RemoveQuietly(targetPath);
            return FailCount(target.GetLastError());
        }
        if (!store_.BeginBatch() || !target.BeginBatch()) {
            store_.EndBatch();
            RemoveQuietly(targetPath);
            return FailCount(store_.GetLastError());
        }
        ProgressMeter meter(progress, "整理进度：", store_.GetLastId());
        std::vector<std::string> categories;
        bool copiedAll = true;
        for (std::int32_t id = 1; id <= store_.GetLastId(); ++id) {
            TRecordData record;
            if (!store_.ReadCaseBatch(id, record)) continue;
            if (target.InsertCaseBatch(record) == -1) {
                copiedAll = false;
                break;
            }
            ++count;
            if (!ContainsName(categories, record.className)) categories.push_back(record.className);
            meter.Copied(count);
        }
        store_.EndBatch();
        // The new database replaces the old one only when it holds every case and is closed.
        if (!copiedAll || !target.EndBatch() || !target.WriteCategories(categories)) {
            const std::string why = target.GetLastError();
            RemoveQuietly(targetPath);
            return FailCount(why.empty() ? "无法保存案例！" : why);
        }
    }
    if (!files_.rename(targetPath, databasePath)) {
        RemoveQuietly(targetPath);
        return FailCount("无法更改文件名！");
    }
    store_.Open(databasePath, store_.ProgramFolder(), false);
    if (progress) progress("整理进度：100％");
    return count;
}

std::string ExportDatabaseFileName(const std::string& folder, const std::tm& now) {
    return Joined(folder, "Tavrel_" + TimeStamp(now) + ".db");
}

std::string BackupFolderName(const std::string& folder, const std::tm& now) {
    return Joined(folder, "Tavrel_备份_" + TimeStamp(now)) + "/";
}

std::string ReorganiseRefusal(std::int32_t lastId) {
    return lastId < 500 ? "案例数据过少，无需整理！" : "";
}

std::string MakeDeleteCode(std::uint32_t randomNumber) {
    char code[8];
    std::snprintf(code, sizeof code, "%04u", randomNumber % 10000);
    return code;
}

std::string DeleteCodeTitle(std::string_view code) { return "删除码：" + std::string(code) + " "; }

}  // namespace tavrel
