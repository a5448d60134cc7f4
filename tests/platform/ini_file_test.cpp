#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

class IniFileTest : public ::testing::Test {
  protected:
    void WriteUtf8AsGbk(const std::string& utf8) {
        ASSERT_TRUE(WriteFileAtomically(path_, Utf8ToGbk(utf8)));
    }
    std::string FileAsUtf8() { return GbkToUtf8(ReadFileBytes(path_).value_or("<missing>")); }

    TempFolder folder_;
    std::string path_ = folder_.File("dat/set.ini");
};

TEST_F(IniFileTest, MissingFileGivesDefaults) {
    const IniFile ini(path_);
    EXPECT_EQ(ini.ReadString("tavrel", "name", "默认"), "默认");
    EXPECT_EQ(ini.ReadInteger("tavrel", "iDate", 3), 3);
    EXPECT_TRUE(ini.ReadBool("tavrel", "bRotate", true));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("address", "fLong", 120.0), 120.0);
    EXPECT_FALSE(ini.SectionExists("tavrel"));
    EXPECT_TRUE(ini.ReadSection("tavrel").empty());
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(IniFileTest, NamesIgnoreCaseAndTheFirstMatchWins) {
    WriteUtf8AsGbk(
        "[Address]\r\nfLat = 31.5 \r\nFLAT=40\r\nname=杭州\r\n"
        "[address]\r\nextra=1\r\n");
    const IniFile ini(path_);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("ADDRESS", "flat", 0), 31.5);
    EXPECT_EQ(ini.ReadString("address", "NAME", ""), "杭州");
    // The second section of the same name is hidden behind the first, as on Windows.
    EXPECT_FALSE(ini.ValueExists("address", "extra"));
    EXPECT_TRUE(ini.ValueExists("aDDress", "Name"));
    EXPECT_EQ(ini.ReadSection("address"), (std::vector<std::string>{"fLat", "name"}));
}

TEST_F(IniFileTest, NumbersAreReadAsWindowsReadsThem) {
    WriteUtf8AsGbk(
        "[s]\na=  42\nb=-7\nc=+5\nd=12abc\ne=abc\nf=\ng=0x0000FF\nh=$FF\ni=99999999999\n"
        "j=2.5\nk=-0.25e1\nl=1.5x\nm=\"quoted value\"\nn=0\n");
    const IniFile ini(path_);
    struct Case {
        const char* key;
        int expected;
    };
    for (const Case& c :
         {Case{"a", 42}, Case{"b", -7}, Case{"c", 5}, Case{"d", -1}, Case{"e", -1}, Case{"f", -1},
          Case{"g", 255}, Case{"h", 255}, Case{"i", -1}, Case{"missing", -1}}) {
        EXPECT_EQ(ini.ReadInteger("s", c.key, -1), c.expected) << c.key;
    }
    EXPECT_DOUBLE_EQ(ini.ReadFloat("s", "j", 0), 2.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("s", "k", 0), -2.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("s", "l", 9), 9);
    EXPECT_EQ(ini.ReadString("s", "m", ""), "quoted value");
    EXPECT_TRUE(ini.ReadBool("s", "a", false));
    EXPECT_FALSE(ini.ReadBool("s", "n", true));
    EXPECT_TRUE(ini.ReadBool("s", "e", true));
}

TEST_F(IniFileTest, WritesKeepCommentsUnknownLinesAndUndecodableBytes) {
    // A comment (in UTF-8, not GBK), a line without '=', and a value holding a byte pair that GBK
    // cannot decode.
    const std::string original =
        "; 设置\r\n[tavrel]\r\nstray "
        "line\r\niDate=0\r\nodd=\xFF\xFF\r\n\r\n[chart]\r\nfontSize=12\r\n";
    ASSERT_TRUE(WriteFileAtomically(path_, original));
    IniFile ini(path_);
    ASSERT_TRUE(ini.WriteInteger("TAVREL", "idate", 2));
    ASSERT_TRUE(ini.WriteBool("tavrel", "bHideKing", true));
    ASSERT_TRUE(ini.WriteFloat("chart", "scale", 0.1));
    ASSERT_TRUE(ini.WriteString("新节", "名字", "七政"));
    EXPECT_EQ(ReadFileBytes(path_).value(),
              "; 设置\r\n[tavrel]\r\nstray line\r\niDate=2\r\nodd=\xFF\xFF\r\n"
              "bHideKing=1\r\n\r\n[chart]\r\nfontSize=12\r\nscale=0.1\r\n\r\n"
              "[\xD0\xC2\xBD\xDA]\r\n\xC3\xFB\xD7\xD6=\xC6\xDF\xD5\xFE\r\n");
    // A fresh reader sees what was written.
    const IniFile again(path_);
    EXPECT_EQ(again.ReadInteger("tavrel", "iDate", -1), 2);
    EXPECT_EQ(again.ReadString("新节", "名字", ""), "七政");
}

TEST_F(IniFileTest, DeleteKeyAndEraseSection) {
    WriteUtf8AsGbk("[a]\nx=1\ny=2\n[b]\nz=3\n[c]\nw=4\n");
    IniFile ini(path_);
    ASSERT_TRUE(ini.DeleteKey("a", "X"));
    ASSERT_TRUE(ini.EraseSection("B"));
    ASSERT_TRUE(ini.DeleteKey("missing", "x"));
    EXPECT_EQ(FileAsUtf8(), "[a]\ny=2\n[c]\nw=4\n");
    EXPECT_FALSE(ini.SectionExists("b"));
}

TEST_F(IniFileTest, FirstWriteCreatesTheFolderAndReplacesAtomically) {
    IniFile ini(path_);
    ASSERT_TRUE(ini.WriteString("chart", "fontSize", "14"));
    EXPECT_EQ(FileAsUtf8(), "[chart]\r\nfontSize=14\r\n");
    // No temporary file is left beside the settings file.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.File("dat"))) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
    struct stat info {};
    ASSERT_EQ(::stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(IniFileTest, AFailedWriteLeavesFileAndMemoryUnchanged) {
    // The target is a folder, so the rename over it fails.
    std::filesystem::create_directories(path_);
    IniFile ini(path_);
    EXPECT_FALSE(ini.WriteString("chart", "fontSize", "14"));
    EXPECT_FALSE(ini.ValueExists("chart", "fontSize"));
    EXPECT_TRUE(std::filesystem::is_directory(path_));
}

}  // namespace
}  // namespace tavrel
