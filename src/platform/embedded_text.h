#pragma once

#include <span>
#include <string_view>

namespace tavrel {

// A data file compiled into the program, named by its file name (for example "star_link.txt").
struct EmbeddedFile {
    std::string_view name;
    std::string_view contents;
};

// Every compiled-in file, in file-name order; defined by the source the build generates.
std::span<const EmbeddedFile> EmbeddedFiles();

// The contents of the compiled-in file with that name, or an empty text when there is none.
std::string_view EmbeddedText(std::string_view name);

}  // namespace tavrel
