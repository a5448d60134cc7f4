#include "records/exchange_messages.h"

namespace tavrel {

std::string ImportedMessage(int count) {
    std::string text = "共导入 " + std::to_string(count) + " 个案例！";
    if (count > 0) text += "请重启软件！";
    return text;
}

std::string BirthdaysExportedQuestion(int count, std::string_view folder) {
    return " " + std::to_string(count) + " 个案例生日文件已经导出到：" + std::string(folder) +
           "，要打开这个文件夹吗？";
}

std::string DatabaseExportedQuestion(int count, std::string_view file) {
    return " " + std::to_string(count) + " 个案例生日文件已经保存到：" + std::string(file) +
           "，要打开所在文件夹吗？";
}

std::string BackupDoneMessage(std::string_view folder) {
    return "成功备份，已保存到" + std::string(folder) + "目录下";
}

std::string ReorganisedMessage(int count) {
    return " " + std::to_string(count) + " 个案例已经整理出来！";
}

}  // namespace tavrel
