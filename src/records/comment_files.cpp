#include "records/comment_files.h"

#include <filesystem>

#include "platform/file_util.h"
#include "platform/rich_text.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "platform/string_util.h"
#include "platform/text_codec.h"

namespace tavrel {

namespace {

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string CommentFolder(const std::string& programFolder) { return programFolder + "/tavrel_f"; }

std::string CommentFilePath(const std::string& programFolder, std::string_view baseName) {
    return CommentFolder(programFolder) + "/" + std::string(baseName) + ".rtf";
}

bool IsUsableCommentBase(std::string_view baseName) {
    return !Trim(baseName).empty() && baseName != "." && baseName != ".." &&
           baseName.find('/') == std::string_view::npos &&
           baseName.find('\0') == std::string_view::npos;
}

std::optional<std::string> FindCommentFile(const std::string& programFolder,
                                           std::string_view baseName) {
    if (!IsUsableCommentBase(baseName)) return std::nullopt;
    const std::string utf8Path = CommentFilePath(programFolder, baseName);
    if (IsFile(utf8Path)) return utf8Path;
    bool exact = false;
    const std::string gbkName = Utf8ToGbk(baseName, &exact);
    if (!exact || gbkName == baseName) return std::nullopt;
    const std::string gbkPath = CommentFilePath(programFolder, gbkName);
    if (IsFile(gbkPath)) return gbkPath;
    return std::nullopt;
}

bool WriteCommentFile(const std::string& path, std::string_view plainText) {
    return WriteFileAtomically(path, WriteRtf(DocumentOfPlainText(plainText)));
}

bool WriteNewCommentFile(const std::string& path, std::string_view plainText) {
    return WriteNewFile(path, WriteRtf(DocumentOfPlainText(plainText)));
}

std::optional<std::string> ReadCommentText(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    return PlainText(ReadRtf(*bytes));
}

}  // namespace tavrel
