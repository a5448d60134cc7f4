#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "presentation/fixed_sentences.h"
#include "presentation/text_table.h"

namespace tavrel {
namespace {

using ::testing::ElementsAre;

TEST(TextTableTest, ReadsNumberedLinesAndSkipsTheRest) {
    const TextTable table(
        "# comment\n"
        "101\t太阳躔角宿号甲\r\n"
        "\n"
        "102 \t 太阳躔亢宿号乙 \n"
        "abc\t不是编号\n"
        "103 没有制表符\n"
        "-5\t负数\n"
        "101\t重复的编号\n"
        "104\t\n");  // trimmed, the tab goes and the line has no key
    EXPECT_EQ(table.Text(101), "太阳躔角宿号甲");
    EXPECT_EQ(table.Text(102), "太阳躔亢宿号乙");
    EXPECT_EQ(table.Text(103), "");
    EXPECT_EQ(table.Text(104), "");
    EXPECT_EQ(table.Text(999), "");
    EXPECT_EQ(table.Texts().size(), 2u);
    EXPECT_THAT(table.SkippedLines(), ElementsAre(5, 6, 7, 8, 9));
}

TEST(FixedSentencesTest, SentenceIsHeadingColonAndText) {
    const FixedSentences sentences("★日月同宫\t日月并明。\n★日月同宫\t又一次\n#★日水同宫\t注释\n");
    EXPECT_EQ(sentences.Sentence("★日月同宫"), "★日月同宫：日月并明。");
    EXPECT_EQ(sentences.Sentence("★日水同宫"), "");
    EXPECT_EQ(sentences.Sentence(""), "");
    EXPECT_THAT(sentences.SkippedLines(), ElementsAre(2));
}

}  // namespace
}  // namespace tavrel
