#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// "The program folder": where dat/, skins/ and tavrel_f/ live.
enum class DataRootMode {
    kOverride,  // TAVREL_HOME names it
    kPortable,  // the executable's own folder, as the Windows program worked
    kUser,      // $XDG_DATA_HOME/tavrel, for an installed, read-only program
};

struct DataRoot {
    std::string folder;  // absolute, '/' separators, no trailing '/'
    DataRootMode mode = DataRootMode::kPortable;
};

// What the choice depends on, gathered from the process and its environment.
struct DataRootFacts {
    std::string tavrelHome;   // $TAVREL_HOME, empty when unset
    std::string xdgDataHome;  // $XDG_DATA_HOME, empty when unset
    std::string home;         // $HOME
    std::string executableFolder;
    bool executableFolderHasDat = false;
    bool executableFolderWritable = false;
};

DataRoot ResolveDataRoot(const DataRootFacts& facts);
DataRootFacts GatherDataRootFacts();

// Creates the root when needed and copies into it the shipped defaults (dat/, skins/) it does
// not have yet, from `defaultsFolder`. Existing files are never overwritten. Returns false when
// the root cannot be created.
bool PrepareDataRoot(const DataRoot& root, const std::string& defaultsFolder);

// Where the shipped defaults of an installed program are: <prefix>/share/tavrel beside
// <prefix>/bin, else the executable's folder (a build tree).
std::string DefaultsFolder(const std::string& executableFolder);

// Resolves and prepares the root of this process; false when the folder cannot be created (the
// root is still filled in, so the caller can name it).
bool SetUpDataRoot(DataRoot& root);

// `relative` uses '/' separators, e.g. "dat/set.ini".
std::string DataPath(const DataRoot& root, std::string_view relative);

}  // namespace tavrel
