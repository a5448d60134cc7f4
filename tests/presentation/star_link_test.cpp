#include "presentation/star_link.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

using namespace std::string_view_literals;

TEST(StarLinkTest, CountsEntryLinesFromTheHeaderOfTheSection) {
    const StarLink link(
        "\xEF\xBB\xBF[star_0]\r\n与角宿：一\r\n与亢宿：二\r\n[end]\r\n\r\n"
        "  [STAR_1]  \n与角宿：甲\n。\n \t\nx\n与亢宿：乙\n[End]\n");
    EXPECT_EQ(link.StarLinkEntry("star_0", 1), "与角宿：一");
    EXPECT_EQ(link.StarLinkEntry("star_0", 2), "与亢宿：二");
    // Capital letters in the header and in "[End]"; one-character lines are no entries.
    EXPECT_EQ(link.StarLinkEntry("star_1", 1), "与角宿：甲");
    EXPECT_EQ(link.StarLinkEntry("star_1", 2), "与亢宿：乙");
    EXPECT_EQ(link.StarLinkEntry(" Star_1 ", 2), "与亢宿：乙");
}

TEST(StarLinkTest, MissingSectionsAndEntriesReadEmpty) {
    const StarLink link("[star_0]\n与角宿：一\n与亢宿：二\n[end]\n[star_1]\n与角宿：甲\n");
    struct Case {
        const char* section;
        int n;
    };
    const Case cases[] = {
        {"star_2", 1},   // no such section
        {"star_0", 3},   // "[end]" comes before the third entry
        {"star_0", 0},   // entries count from 1
        {"star_0", -1},  //
        {"star_1", 2},   // the list ends first
        {"end", 1},      // "[end]" is no section header
    };
    for (const Case& c : cases) {
        EXPECT_EQ(link.StarLinkEntry(c.section, c.n), "") << c.section << " " << c.n;
    }
}

TEST(StarLinkTest, ASectionWithoutEndStopsAtTheNextHeader) {
    const StarLink link("[star_0]\n与角宿：一\n[star_1]\n与角宿：甲\n[end]\n");
    EXPECT_EQ(link.StarLinkEntry("star_0", 1), "与角宿：一");
    EXPECT_EQ(link.StarLinkEntry("star_0", 2), "");
    EXPECT_EQ(link.StarLinkEntry("star_1", 1), "与角宿：甲");
}

TEST(StarLinkTest, GarbageReadsAsMissing) {
    const StarLink link("\xFF\xFE\0[star_0\n]\n\x80"sv);
    EXPECT_EQ(link.StarLinkEntry("star_0", 1), "");
    EXPECT_EQ(StarLink("").StarLinkEntry("star_0", 1), "");
}

}  // namespace
}  // namespace tavrel
