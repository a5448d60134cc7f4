#include "platform/data_root.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/file_util.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

DataRootFacts Facts() {
    DataRootFacts facts;
    facts.home = "/home/li";
    facts.executableFolder = "/opt/tavrel/bin";
    return facts;
}

TEST(DataRoot, ChoosesOverridePortableOrUserFolder) {
    struct Case {
        const char* what;
        DataRootFacts facts;
        DataRoot expected;
    };
    DataRootFacts override = Facts();
    override.tavrelHome = "/srv/cases/";
    override.executableFolderHasDat = true;
    DataRootFacts withDat = Facts();
    withDat.executableFolderHasDat = true;
    DataRootFacts writable = Facts();
    writable.executableFolderWritable = true;
    DataRootFacts xdg = Facts();
    xdg.xdgDataHome = "/data/li";
    const Case cases[] = {
        {"TAVREL_HOME wins", override, {"/srv/cases", DataRootMode::kOverride}},
        {"program folder with dat/", withDat, {"/opt/tavrel/bin", DataRootMode::kPortable}},
        {"writable program folder", writable, {"/opt/tavrel/bin", DataRootMode::kPortable}},
        {"installed, no XDG_DATA_HOME",
         Facts(),
         {"/home/li/.local/share/tavrel", DataRootMode::kUser}},
        {"installed, XDG_DATA_HOME", xdg, {"/data/li/tavrel", DataRootMode::kUser}},
    };
    for (const Case& c : cases) {
        const DataRoot root = ResolveDataRoot(c.facts);
        EXPECT_EQ(root.folder, c.expected.folder) << c.what;
        EXPECT_EQ(root.mode, c.expected.mode) << c.what;
    }
}

TEST(DataRoot, PathsUseSlashes) {
    EXPECT_EQ(DataPath({"/opt/tavrel", DataRootMode::kPortable}, "dat/set.ini"),
              "/opt/tavrel/dat/set.ini");
}

TEST(DataRoot, PreparingSeedsMissingDefaultsWithoutOverwriting) {
    TempFolder temp;
    const std::string defaults = temp.File("share/tavrel");
    ASSERT_TRUE(WriteFileAtomically(defaults + "/dat/address.ini", "shipped"));
    ASSERT_TRUE(WriteFileAtomically(defaults + "/dat/set.ini", "shipped"));
    ASSERT_TRUE(WriteFileAtomically(defaults + "/skins/blue.skn", "skin"));
    ASSERT_TRUE(WriteFileAtomically(defaults + "/tavrel-cli", "not data"));
    const DataRoot root{temp.File("home/tavrel"), DataRootMode::kUser};
    ASSERT_TRUE(WriteFileAtomically(root.folder + "/dat/set.ini", "mine"));

    ASSERT_TRUE(PrepareDataRoot(root, defaults));
    EXPECT_EQ(ReadFileBytes(root.folder + "/dat/address.ini"), "shipped");
    EXPECT_EQ(ReadFileBytes(root.folder + "/dat/set.ini"), "mine");
    EXPECT_EQ(ReadFileBytes(root.folder + "/skins/blue.skn"), "skin");
    EXPECT_FALSE(std::filesystem::exists(root.folder + "/tavrel-cli"));
}

TEST(DataRoot, PreparingFailsWhenTheFolderCannotBeMade) {
    TempFolder temp;
    ASSERT_TRUE(WriteFileAtomically(temp.File("file"), "x"));
    EXPECT_FALSE(PrepareDataRoot({temp.File("file/tavrel"), DataRootMode::kUser}, temp.File("")));
}

TEST(DataRoot, DefaultsComeFromShareBesideBinWhenInstalled) {
    TempFolder temp;
    std::filesystem::create_directories(temp.File("bin"));
    EXPECT_EQ(DefaultsFolder(temp.File("bin")), temp.File("bin"));
    std::filesystem::create_directories(temp.File("share/tavrel"));
    EXPECT_EQ(DefaultsFolder(temp.File("bin")), temp.File("share/tavrel"));
}

}  // namespace
}  // namespace tavrel
