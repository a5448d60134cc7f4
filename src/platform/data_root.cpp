#include "platform/data_root.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tavrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSeededFolders[] = {"dat", "skins"};

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string Normalised(const std::string& folder) {
    std::string result = fs::path(folder).lexically_normal().generic_string();
    while (result.size() > 1 && result.back() == '/') result.pop_back();
    return result;
}

std::string ExecutableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return fs::current_path(error).generic_string();
    return exe.parent_path().generic_string();
}

void SeedMissing(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (!fs::is_directory(from, error)) return;
    for (auto it = fs::recursive_directory_iterator(from, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::path target = to / fs::relative(it->path(), from, error);
        if (it->is_directory(error)) {
            fs::create_directories(target, error);
        } else if (!fs::exists(target, error)) {
            fs::create_directories(target.parent_path(), error);
            fs::copy_file(it->path(), target, error);
        }
    }
}

}  // namespace

DataRoot ResolveDataRoot(const DataRootFacts& facts) {
    if (!facts.tavrelHome.empty()) {
        return {Normalised(fs::absolute(facts.tavrelHome).string()), DataRootMode::kOverride};
    }
    if (facts.executableFolderHasDat || facts.executableFolderWritable) {
        return {Normalised(facts.executableFolder), DataRootMode::kPortable};
    }
    const std::string base =
        facts.xdgDataHome.empty() ? facts.home + "/.local/share" : facts.xdgDataHome;
    return {Normalised(base + "/tavrel"), DataRootMode::kUser};
}

DataRootFacts GatherDataRootFacts() {
    DataRootFacts facts;
    facts.tavrelHome = Env("TAVREL_HOME");
    facts.xdgDataHome = Env("XDG_DATA_HOME");
    facts.home = Env("HOME");
    facts.executableFolder = ExecutableFolder();
    std::error_code error;
    facts.executableFolderHasDat = fs::is_directory(facts.executableFolder + "/dat", error);
    facts.executableFolderWritable = ::access(facts.executableFolder.c_str(), W_OK) == 0;
    return facts;
}

bool PrepareDataRoot(const DataRoot& root, const std::string& defaultsFolder) {
    std::error_code error;
    fs::create_directories(root.folder, error);
    if (!fs::is_directory(root.folder, error)) return false;
    if (fs::equivalent(root.folder, defaultsFolder, error)) return true;
    for (const char* folder : kSeededFolders) {
        SeedMissing(fs::path(defaultsFolder) / folder, fs::path(root.folder) / folder);
    }
    return true;
}

std::string DefaultsFolder(const std::string& executableFolder) {
    std::error_code error;
    const fs::path shared = fs::path(executableFolder) / ".." / "share" / "tavrel";
    if (fs::is_directory(shared, error)) return Normalised(shared.string());
    return Normalised(executableFolder);
}

bool SetUpDataRoot(DataRoot& root) {
    const DataRootFacts facts = GatherDataRootFacts();
    root = ResolveDataRoot(facts);
    return PrepareDataRoot(root, DefaultsFolder(facts.executableFolder));
}

std::string DataPath(const DataRoot& root, std::string_view relative) {
    return root.folder + "/" + std::string(relative);
}

}  // namespace tavrel
