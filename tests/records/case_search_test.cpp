#include "records/case_search.h"

#include <gtest/gtest.h>

#include "case_fixture.h"
#include "records/comment_files.h"

namespace tavrel {
namespace {

using testing::MakeCase;
using Ids = std::vector<std::int32_t>;

TEST(ConditionsOfDialog, YearChecks) {
    SearchConditions conditions;
    std::string message;
    SearchDialogFields fields;
    fields.yearFrom = "-120";
    fields.yearTo = "-1";
    ASSERT_TRUE(ConditionsOfDialog(fields, conditions, message));
    EXPECT_EQ(conditions.yearsUsed, 1);
    EXPECT_EQ(conditions.yearFrom, -119);
    EXPECT_EQ(conditions.yearTo, 0);
    EXPECT_EQ(DialogOfConditions(conditions).yearFrom, "-120");
    EXPECT_EQ(DialogOfConditions(conditions).yearTo, "-1");
    const std::pair<const char*, const char*> refused[] = {
        {"0", "10"}, {"", "1980"}, {"1980", ""}, {"-851", "1"}, {"1", "2101"}, {"19a", "2000"}};
    for (const auto& [from, to] : refused) {
        fields.yearFrom = from;
        fields.yearTo = to;
        EXPECT_FALSE(ConditionsOfDialog(fields, conditions, message)) << from << ".." << to;
        EXPECT_EQ(message, kYearRangeMessage);
    }
    fields.yearFrom = "2000";
    fields.yearTo = "1999";
    EXPECT_FALSE(ConditionsOfDialog(fields, conditions, message));
    EXPECT_EQ(message, "结束年必须大于或等于起始年");
    fields = {};
    fields.name = " 张 ";
    fields.nameWhole = true;
    fields.sexEntry = 2;
    fields.provinceEntry = 12;
    ASSERT_TRUE(ConditionsOfDialog(fields, conditions, message));
    EXPECT_EQ(conditions.nameText, "张");
    EXPECT_EQ(conditions.nameMode, 2);
    EXPECT_EQ(conditions.sexUsed, 1);
    EXPECT_EQ(conditions.wantedSex, 0);
    EXPECT_EQ(conditions.province, 11);
    EXPECT_EQ(conditions.yearsUsed, 0);
    EXPECT_EQ(conditions.categoryMode, 0);
}

TEST(MatchesKeywords, EachWordTakesOneKeyword) {
    const TRecordData record = MakeCase("张三", 1980, 5, 6, 11, 0);
    const std::vector<std::string> words = SearchWords(record, "");
    EXPECT_EQ(words[4], "1980年");
    EXPECT_EQ(words[7], "午时");
    EXPECT_TRUE(MatchesKeywords(words, {"张", "1980"}));
    EXPECT_FALSE(MatchesKeywords(words, {"张", "三"}));
    EXPECT_TRUE(MatchesKeywords(SearchWords(record, "三个孩子"), {"张", "三"}));
    EXPECT_TRUE(MatchesKeywords(words, {"午时", "男", "家人"}));
    EXPECT_EQ(SplitKeywords("  张  1980 "), (std::vector<std::string>{"张", "1980"}));
    const std::pair<int, const char*> branches[] = {{23, "子时"}, {0, "子时"},  {1, "丑时"},
                                                    {12, "午时"}, {13, "未时"}, {22, "亥时"}};
    for (const auto& [hour, word] : branches) {
        EXPECT_EQ(SearchWords(MakeCase("x", 1, 1, 1, hour, 0), "")[7], word) << hour;
    }
}

class CaseSearchTest : public testing::StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        Add(MakeCase("张三", 1980, 5, 6, 11, 0));                     // 1
        Add(MakeCase("小张", 1975, 1, 1, 13, 0, "历史人物", false));  // 2
        Add(MakeCase("张", -119, 3, 3, 12, 59));                      // 3: 120 BC
        Add(MakeCase("李四", 0, 3, 3, 1, 0, "IT名人"));               // 4: 1 BC
        Add(MakeCase("王五", 1980, 7, 7, 10, 59));                    // 5
        Comment(1, "老三");
        Comment(5, "住在张家口");
    }
    void Comment(std::int32_t id, const std::string& text) {
        TRecordData record;
        ASSERT_TRUE(store.ReadCase(id, record));
        ASSERT_TRUE(
            WriteCommentFile(CommentFilePath(store.ProgramFolder(), record.remarkFile), text));
    }
    Ids Search(SearchDialogFields fields) {
        SearchConditions conditions;
        std::string message;
        EXPECT_TRUE(ConditionsOfDialog(fields, conditions, message)) << message;
        return SearchByConditions(store, conditions);
    }
};

TEST_F(CaseSearchTest, Conditions) {
    SearchDialogFields fields;
    fields.name = "张";
    EXPECT_EQ(Search(fields), (Ids{1, 2, 3}));
    fields.nameWhole = true;
    EXPECT_EQ(Search(fields), (Ids{3}));
    fields = {};
    fields.yearFrom = "-120";
    fields.yearTo = "-1";
    EXPECT_EQ(Search(fields), (Ids{3, 4}));
    fields = {};
    fields.category = "it名人";
    fields.categoryWhole = true;
    EXPECT_EQ(Search(fields), (Ids{4}));
    fields = {};
    fields.comment = "张家口";
    EXPECT_EQ(Search(fields), (Ids{5}));
    fields.comment = "";
    fields.sexEntry = 2;
    EXPECT_EQ(Search(fields), (Ids{2}));
    fields.sexEntry = 0;
    fields.provinceEntry = 1;
    EXPECT_EQ(Search(fields), (Ids{1, 2, 3, 4, 5}));
    fields.provinceEntry = 2;
    EXPECT_TRUE(Search(fields).empty());
}

TEST_F(CaseSearchTest, Keywords) {
    // 王五's comment names 张家口.
    EXPECT_EQ(SearchByKeywords(store, {"张", "1980"}), (Ids{1, 5}));
    // The name takes 张 only; 张三's comment 老三 takes 三.
    EXPECT_EQ(SearchByKeywords(store, {"张", "三"}), (Ids{1}));
    EXPECT_EQ(SearchByKeywords(store, {"小张", "张"}), (Ids{}));
    EXPECT_EQ(SearchByKeywords(store, {"午时"}), (Ids{1, 3}));
    EXPECT_TRUE(SearchByKeywords(store, {}).empty());
}

TEST(ResultLine, NameDateAndCategory) {
    EXPECT_EQ(ResultLine(MakeCase("张三", 0, 5, 6, 7, 8)), "张三 -1-5-6 7:8  家人");
    EXPECT_EQ(ResultsCaption(3), "3个案例");
    const ResultMerge kept = MergeOfResults({9, 8}, {1, 2, 3}, 2, false, false);
    EXPECT_EQ(kept.shown, (Ids{9, 8}));
    EXPECT_EQ(kept.added, (Ids{2}));
    const ResultMerge cleared = MergeOfResults({9, 8}, {1, 2, 3}, 2, false, true);
    EXPECT_TRUE(cleared.shown.empty());
    EXPECT_EQ(cleared.added, (Ids{2}));
    EXPECT_EQ(MergeOfResults({9}, {1, 2}, 1, true, false).added, (Ids{1, 2}));
}

}  // namespace
}  // namespace tavrel
