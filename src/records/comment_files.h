#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// Comment files live in <program folder>/tavrel_f, one RTF file per case, named by the case's
// comment file base name plus ".rtf".
std::string CommentFolder(const std::string& programFolder);
std::string CommentFilePath(const std::string& programFolder, std::string_view baseName);

// A base name that names a file inside the comment folder: not blank, no folder part, no NUL.
bool IsUsableCommentBase(std::string_view baseName);

// The existing comment file of a base name: under its UTF-8 name, else under the GBK-encoded
// name a folder copied from Windows has.
std::optional<std::string> FindCommentFile(const std::string& programFolder,
                                           std::string_view baseName);

// Writes the comment as a rich-text file in the default font; false when it cannot be written.
bool WriteCommentFile(const std::string& path, std::string_view plainText);

// Writes the comment file of a case just stored, whose comment text the database also holds
// (EnsureCommentFiles makes it again should it be lost); false when the file exists or cannot be
// written.
bool WriteNewCommentFile(const std::string& path, std::string_view plainText);

// The plain text of a comment file, or nothing when it cannot be read.
std::optional<std::string> ReadCommentText(const std::string& path);

}  // namespace tavrel
