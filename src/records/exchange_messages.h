#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// The texts the import, export and maintenance commands of the main window show.
std::string ImportedMessage(int count);  // "共导入 %d 个案例！", then "请重启软件！" when any
std::string BirthdaysExportedQuestion(int count, std::string_view folder);
std::string DatabaseExportedQuestion(int count, std::string_view file);
std::string BackupDoneMessage(std::string_view folder);
std::string ReorganisedMessage(int count);

inline constexpr std::string_view kOpenFolderTitle = "打开文件夹";
inline constexpr std::string_view kChooseImportFolder = "请选择导入文件夹：";
inline constexpr std::string_view kNoImportFolder = "不存在的文件夹，无法导入！";
inline constexpr std::string_view kNoImportDatabase = "不存在这个数据库文件，无法导入！";
inline constexpr std::string_view kChooseExportFolder = "请选择导出文件夹：";
inline constexpr std::string_view kBirthdayExportFailed =
    "没有可以导出的案例，或者无法创建导出文件夹，导出失败，请重启软件再次试试！";
inline constexpr std::string_view kChooseDatabasePlace = "请选择存放位置：";
inline constexpr std::string_view kDatabaseExportFailed =
    "没有可以导出的案例，或者无法创建导出数据库，导出失败，请重启软件再次试试！";
inline constexpr std::string_view kNoCategoryChosen = "没有选择要导出的类别！";
inline constexpr std::string_view kExportCategoryCaption = "选择导出类别：";
inline constexpr std::string_view kChooseBackupPlace = "请选择备份位置：";
inline constexpr std::string_view kBackupFolderExists = "当前时间的文件夹已经存在，请稍后再备份！";
inline constexpr std::string_view kRestoreQuestion = "执行此操作将覆盖现有的案例数据，要继续吗？";
inline constexpr std::string_view kRestoreQuestionTitle = "注意了";
inline constexpr std::string_view kChooseRestorePlace = "请选择要还原的数据位置：";
inline constexpr std::string_view kNoRestoreDatabase = "没有要还原的的db数据文件！";
inline constexpr std::string_view kNoRestoreComments = "没有要还原的评语文件夹！";
inline constexpr std::string_view kRestoreDone = "成功还原，请重新打开软件！";
inline constexpr std::string_view kDeleteAllTitle = "删除所有案例";
inline constexpr std::string_view kReorganiseQuestion =
    "只有数据库案例较多，并且经过频繁删除、改名等操作，才需要整理数据。确定要整理吗？";
inline constexpr std::string_view kReorganiseTitle = "整理数据";

}  // namespace tavrel
