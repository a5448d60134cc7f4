#include "calendar/tables/era_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace tavrel {
namespace {

// The field must keep a terminating zero inside its width and hold well-formed GBK.
template <std::size_t N>
std::string Field(const char (&field)[N]) {
    const std::size_t length = strnlen(field, N);
    EXPECT_LT(length, N);
    bool exact = false;
    std::string text = GbkToUtf8(std::string_view(field, length), &exact);
    EXPECT_TRUE(exact) << text;
    return text;
}

struct TellingRow {
    int start, count, offset;
    const char* dynasty;
    const char* title;
    const char* personalName;
    const char* eraName;
};

const EraRecord* FindRow(int start, const char* eraName) {
    for (const EraRecord& row : EraTable) {
        if (row.startYear == start && Field(row.eraName) == eraName) return &row;
    }
    return nullptr;
}

TEST(EraTable, TellingRowsAreAsRecorded) {
    const TellingRow rows[] = {
        {-2069, 45, 0, "夏", "禹", "", "禹"},
        {-139, 6, 0, "西汉", "武帝", "刘彻", "建元"},
        {1875, 34, 0, "清", "德宗", "载湉", "光绪"},
        {1912, 37, 0, "近、现代", "中华民国", "", "民国"},
        {1949, 9999, 1948, "当代", "中国", "", "公历纪元"},
    };
    for (const TellingRow& expected : rows) {
        const EraRecord* row = FindRow(expected.start, expected.eraName);
        ASSERT_NE(row, nullptr) << expected.eraName;
        EXPECT_EQ(row->yearCount, expected.count) << expected.eraName;
        EXPECT_EQ(row->yearOffset, expected.offset) << expected.eraName;
        EXPECT_EQ(Field(row->dynasty), expected.dynasty);
        EXPECT_EQ(Field(row->title), expected.title);
        EXPECT_EQ(Field(row->personalName), expected.personalName);
    }
    EXPECT_EQ(&EraTable.front(), FindRow(-2069, "禹"));
    EXPECT_EQ(&EraTable.back(), FindRow(1949, "公历纪元"));
}

TEST(EraTable, RowsAreChronologicalWellFormedAndLeaveNoYearUncovered) {
    EXPECT_EQ(kEraTableRows, 650u);
    int coveredUntil = EraTable.front().startYear;
    int previousStart = EraTable.front().startYear;
    for (const EraRecord& row : EraTable) {
        const std::string era = Field(row.eraName);
        EXPECT_GE(row.startYear, previousStart) << era;
        EXPECT_GE(row.yearCount, 1) << era;
        EXPECT_GE(row.yearOffset, 0) << era;
        EXPECT_FALSE(Field(row.dynasty).empty()) << era;
        Field(row.title);
        Field(row.personalName);
        EXPECT_FALSE(era.empty());
        EXPECT_LE(row.startYear, coveredUntil) << "gap before " << era;
        coveredUntil = std::max(coveredUntil, row.startYear + row.yearCount);
        previousStart = row.startYear;
    }
}

}  // namespace
}  // namespace tavrel
