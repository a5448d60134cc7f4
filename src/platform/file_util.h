#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file with `bytes` so that a reader sees either the old or the new content, never
// a half-written one: a temporary file in the same folder is written, flushed and renamed over
// the target. Missing folders on the way are created. Returns false when any step fails (the old
// file is then untouched).
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Creates a file that does not exist yet (false when it does, or on any failure, which leaves no
// file behind). Not flushed to the disk: for files whose content can be made again, written by
// the thousand.
bool WriteNewFile(const std::string& path, std::string_view bytes);

}  // namespace tavrel
