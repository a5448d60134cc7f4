#pragma once

#include <filesystem>
#include <string>

#include <cstdlib>

namespace tavrel::testing {

// A fresh folder under the system temp folder, removed with everything in it at scope end.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& relative) const { return (path_ / relative).string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace tavrel::testing
