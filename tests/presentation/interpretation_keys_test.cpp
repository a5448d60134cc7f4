#include "presentation/interpretation_keys.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(InterpretationKeysTest, StarLinkEntriesRunFromJiaoAndFromZi) {
    EXPECT_EQ(StarLinkSection(10), "star_10");
    EXPECT_EQ(StarLinkMansionEntry(1), 1);    // 角
    EXPECT_EQ(StarLinkMansionEntry(0), 28);   // 轸
    EXPECT_EQ(StarLinkMansionEntry(27), 27);  // 翼
    EXPECT_EQ(StarLinkPalaceEntry(0), 29);
    EXPECT_EQ(StarLinkPalaceEntry(11), 40);
    EXPECT_EQ(StarLinkBranchEntry(1), 41);   // 子
    EXPECT_EQ(StarLinkBranchEntry(0), 52);   // 亥
    EXPECT_EQ(StarLinkBranchEntry(11), 51);  // 戌
}

TEST(InterpretationKeysTest, TableNumbers) {
    EXPECT_EQ(MansionTextNumber(0, 0), 100);
    EXPECT_EQ(MansionTextNumber(6, 27), 327);
    EXPECT_EQ(MansionTextNumber(10, 1), 431);
    EXPECT_EQ(MansionTextNumber(11, 1), -1);
    EXPECT_EQ(PalaceIndexTextNumber(10, 11), 631);
    EXPECT_EQ(PalaceNumberTextNumber(3, 0), 703);
    EXPECT_EQ(PalaceNumberTextNumber(10, 9), 890);
    EXPECT_EQ(LordFlightTextNumber(11, 0), 1132);
    EXPECT_EQ(AppearanceTextNumber(11), 1222);
    EXPECT_EQ(CharacterTextNumber(11), 1223);
}

TEST(InterpretationKeysTest, SentenceHeadingsWritePurpleQiAsZiOnlyInConjunctions) {
    EXPECT_EQ(DegreeSentenceHeading(0, 1), "★日入月度");
    EXPECT_EQ(PalaceSentenceHeading(9, 0), "★气入日宫");
    EXPECT_EQ(ConjunctionSentenceHeading(0, 1), "★日月同宫");
    EXPECT_EQ(ConjunctionSentenceHeading(6, 9), "★土紫同宫");
    EXPECT_EQ(ConjunctionSentenceHeading(6, 14), "");
}

}  // namespace
}  // namespace tavrel
