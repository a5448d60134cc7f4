#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/case_store.h"
#include "records/record_data.h"

namespace tavrel {

// The conditions of 条件查找, kept by the main window for the whole run.
struct SearchConditions {
    std::string nameText;
    std::string categoryText;
    std::string commentText;
    std::uint8_t wantedSex = 0;  // 1 = male
    std::int16_t yearFrom = 0;   // astronomical numbering
    std::int16_t yearTo = 0;
    std::int16_t province = -1;  // -1 = any
    std::uint8_t nameMode = 0;   // 0 unused, 1 contains, 2 whole text
    std::uint8_t categoryMode = 0;
    std::uint8_t commentUsed = 0;
    std::uint8_t sexUsed = 0;
    std::uint8_t yearsUsed = 0;
};

// What the dialog TFrmSearch shows and the user typed.
struct SearchDialogFields {
    int sexEntry = 0;       // 0 无, 1 男, 2 女
    int provinceEntry = 0;  // 0 全部省份, then the provinces
    std::string yearFrom;   // display years (no year 0; -120 = 120 BC)
    std::string yearTo;
    std::string name;
    bool nameWhole = false;
    std::string category;
    bool categoryWhole = false;
    std::string comment;
};

SearchDialogFields DialogOfConditions(const SearchConditions& conditions);

// Reads the dialog into the conditions; false with the message (kYearRangeMessage or
// kYearOrderMessage, title kYearErrorTitle) when the years cannot be taken.
bool ConditionsOfDialog(const SearchDialogFields& fields, SearchConditions& conditions,
                        std::string& message);

inline constexpr std::string_view kYearRangeMessage =
    "年份必须在-850到2100年之间，并且没有公元0年\r\n"
    "注意：公元前用负数，比如公元前120年，就输入-120";
inline constexpr std::string_view kYearOrderMessage = "结束年必须大于或等于起始年";
inline constexpr std::string_view kYearErrorTitle = "年份错误";
inline constexpr std::string_view kNothingToSearch = "没有记录，无从查找。";
inline constexpr std::string_view kNoConditionHit = "没有找到符合条件的命例。";
inline constexpr std::string_view kClearConditionsQuestion = "这将清除所有输入的条件参数，确定吗？";
inline constexpr std::string_view kFuzzyTitle = "模糊查找";
inline constexpr std::string_view kFuzzyPrompt =
    "请输入要查找的关键字（姓名、性别、地址、类别、年-月-日-时、评语）：            ";
inline constexpr std::string_view kNoKeywords = "请输入要查找的关键字，多个关键字可以用空格隔开！";
inline constexpr std::string_view kNoKeywordHit = "没有符合的案例！";
inline constexpr std::string_view kChooseResultLine = "请点击选择要查看的案例！";

// True when the case meets every used condition; `comment` is the plain text of its comment
// file (empty when it has none).
bool MatchesConditions(const SearchConditions& conditions, const TRecordData& record,
                       std::string_view comment);

// Ids of the matching cases, increasing. The comment files are read only when a comment text
// is a condition.
std::vector<std::int32_t> SearchByConditions(MRecordBase& store,
                                             const SearchConditions& conditions);

// The keywords of the fuzzy search: the text split at runs of spaces.
std::vector<std::string> SplitKeywords(std::string_view text);

// The search words of a case: name, 男/女, place, category, "%d年", "%d月", "%d日", the hour's
// branch + "时", the comment.
std::vector<std::string> SearchWords(const TRecordData& record, std::string_view comment);

// True when every keyword is contained in a search word of its own (each word takes at most
// the first remaining keyword it contains).
bool MatchesKeywords(const std::vector<std::string>& words,
                     const std::vector<std::string>& keywords);
// The keywords that no word took, in their order.
std::vector<std::string> RemainingKeywords(const std::vector<std::string>& words,
                                           const std::vector<std::string>& keywords);

std::vector<std::int32_t> SearchByKeywords(MRecordBase& store,
                                           const std::vector<std::string>& keywords);

// One line of the result list: "%s %d-%d-%d %d:%d  %s" (name, display date, category).
std::string ResultLine(const TRecordData& record);
// The result list's caption: "%d个案例".
std::string ResultsCaption(std::size_t count);

// The ids the tree shows after a result line was chosen, for MergeAndShow: the shown ids
// (none with 清空现有列表) followed by all results (全部显示到列表) or the chosen one.
struct ResultMerge {
    std::vector<std::int32_t> shown;
    std::vector<std::int32_t> added;
};
ResultMerge MergeOfResults(const std::vector<std::int32_t>& shownIds,
                           const std::vector<std::int32_t>& results, std::int32_t chosen,
                           bool showAll, bool clearList);

}  // namespace tavrel
