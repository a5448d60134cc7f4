#include "chart/xiang_definitions.h"

#include <gtest/gtest.h>
#include <string>

#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

class AspectDefinitionsTest : public ::testing::Test {
  protected:
    void Write(const std::string& utf8) {
        ASSERT_TRUE(WriteFileAtomically(path_, Utf8ToGbk(utf8)));
    }

    TempFolder folder_;
    std::string path_ = folder_.File("dat/set.ini");
};

void ExpectItem(const TXiangItem& item, std::string_view name, int angle, int orb, int colour) {
    EXPECT_EQ(std::string_view(item.name), name);
    EXPECT_EQ(item.angle, angle);
    EXPECT_EQ(item.orb, orb);
    EXPECT_EQ(item.colour, colour);
}

TEST_F(AspectDefinitionsTest, MissingFolderAndFileGetTheEightDefaultsWritten) {
    IniFile ini(path_);
    const TXiangRelate relate = LoadAspectDefinitions(ini);
    ASSERT_EQ(relate.count, 8);
    ExpectItem(relate.items[0], "守", 0, 3, 0);
    ExpectItem(relate.items[2], "刑", 45, 3, 16744703);
    ExpectItem(relate.items[6], "刑", 135, 3, 16744703);
    ExpectItem(relate.items[7], "对", 180, 3, 255);
    const IniFile reread(path_);
    EXPECT_EQ(reread.ReadString("xiang", "xiangWei1", ""), "夹*30*3*16744448");
    EXPECT_EQ(reread.ReadString("xiang", "xiangWei7", ""), "对*180*3*255");
}

TEST_F(AspectDefinitionsTest, ReadingStopsAtTheFirstMissingKey) {
    Write(
        "[xiang]\nxiangWei0=a*1*1*1\nxiangWei1=b*2*1*1\nxiangWei2=c*3*1*1\nxiangWei3=d*4*1*1\n"
        "xiangWei4=e*5*1*1\nxiangWei7=h*8*1*1\n");
    IniFile ini(path_);
    const TXiangRelate relate = LoadAspectDefinitions(ini);
    ASSERT_EQ(relate.count, 5);
    ExpectItem(relate.items[4], "e", 5, 1, 1);
}

TEST_F(AspectDefinitionsTest, ShortValuesAreSkippedAndTheNextKeysStillRead) {
    Write(
        "[xiang]\nxiangWei0=守*0*3*0\nxiangWei1=夹*30*3\nxiangWei2=\nxiangWei3=拱*x*3*255*9\n"
        "xiangWei4=*刑*45* 4 *-1\n");
    IniFile ini(path_);
    const TXiangRelate relate = LoadAspectDefinitions(ini);
    ASSERT_EQ(relate.count, 3);
    ExpectItem(relate.items[0], "守", 0, 3, 0);
    ExpectItem(relate.items[1], "拱", 0, 3, 255);
    ExpectItem(relate.items[2], "*刑", 45, 4, -1);
    EXPECT_EQ(IniFile(path_).ReadString("xiang", "xiangWei5", "none"), "none");
}

TEST_F(AspectDefinitionsTest, NoMoreThanThirtyAndLongNamesCutAtACharacter) {
    std::string text = "[xiang]\n";
    for (int i = 0; i < 32; ++i) {
        const std::string name = i == 0    ? std::string(40, 'n')
                                 : i == 29 ? "一二三四五六七八九十一二"
                                           : "n";
        text += "xiangWei" + std::to_string(i) + "=" + name + "*" + std::to_string(i) + "*2*3\n";
    }
    Write(text);
    IniFile ini(path_);
    const TXiangRelate relate = LoadAspectDefinitions(ini);
    ASSERT_EQ(relate.count, 30);
    EXPECT_EQ(std::string_view(relate.items[0].name), std::string(31, 'n'));
    ExpectItem(relate.items[29], "一二三四五六七八九十", 29, 2, 3);
}

TEST(SplitAspectValue, SplitsOnlyAfterTheFirstCharacter) {
    using Parts = std::vector<std::string_view>;
    EXPECT_EQ(SplitAspectValue("守*0*3*0"), (Parts{"守", "0", "3", "0"}));
    EXPECT_EQ(SplitAspectValue("*a*1"), (Parts{"*a", "1"}));
    EXPECT_EQ(SplitAspectValue("a**1*"), (Parts{"a", "*1"}));
    EXPECT_EQ(SplitAspectValue(""), Parts{});
}

TEST_F(AspectDefinitionsTest, DefaultsServeWhenTheFileCannotBeWritten) {
    ASSERT_TRUE(WriteFileAtomically(folder_.File("dat"), "a file where the folder should be"));
    IniFile ini(path_);
    const TXiangRelate relate = LoadAspectDefinitions(ini);
    ASSERT_EQ(relate.count, 8);
    ExpectItem(relate.items[5], "拱", 120, 3, 16711680);
}

}  // namespace
}  // namespace tavrel
