#include "records/case_names.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(CleanName, RemovesWhatCannotBeAFileNameOrAListItem) {
    struct Case {
        std::string in;
        int limit;
        std::string out;
        bool changed;
    };
    const Case table[] = {
        {"", 10, "甲", true},
        {"a b'c", 10, "abc", true},
        {"张三", 10, "张三", false},
        {"一二三四五六七八九十壹贰", 10, "一二三四五六七八九十", true},
        {"abcdefghijklmnopqrstuv", 10, "abcdefghijklmnopqrst", true},  // 20 GBK bytes
        {"\"*<>?\\/|:' x", 0, "x", true},
        {"''''", 10, "甲", true},
        {std::string("a") + '\0' + "b\tc", 10, "abc", true},
        {"北京市海淀区", 150, "北京市海淀区", false},
    };
    for (const Case& c : table) {
        std::string text = c.in;
        EXPECT_EQ(CleanName(text, c.limit), c.changed) << c.in;
        EXPECT_EQ(text, c.out) << c.in;
    }
}

TEST(SplitItems, FollowsTheStoreRule) {
    using Items = std::vector<std::string>;
    EXPECT_EQ(SplitItems(""), Items{});
    EXPECT_EQ(SplitItems("5 6"), (Items{"5", "6"}));
    EXPECT_EQ(SplitItems("1 2 3 "), (Items{"1", "2", "3"}));
    EXPECT_EQ(SplitItems("a  b"), (Items{"a", " b"}));
    EXPECT_EQ(SplitItems(" "), (Items{" "}));
    EXPECT_EQ(JoinItems({"家人", "IT名人"}), "家人 IT名人");
}

TEST(ContainsName, IgnoresTheCaseOfLatinLettersOnly) {
    const std::vector<std::string> names{"IT名人", "家人"};
    EXPECT_TRUE(ContainsName(names, "it名人"));
    EXPECT_TRUE(ContainsName(names, "家人"));
    EXPECT_FALSE(ContainsName(names, "家"));
}

}  // namespace
}  // namespace tavrel
