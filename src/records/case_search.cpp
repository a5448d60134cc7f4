#include "records/case_search.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/string_util.h"
#include "records/comment_files.h"

namespace tavrel {

namespace {

constexpr int kNotANumber = -1000;
constexpr int kEarliestYear = -850;
constexpr int kLatestYear = 2100;

int YearOfEdit(std::string_view text) {
    text = Trim(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return kNotANumber;
    return value;
}

std::string DisplayYearOf(int year) { return std::to_string(year <= 0 ? year - 1 : year); }

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool TextMatches(int mode, std::string_view value, std::string_view wanted) {
    if (mode == 1) return Contains(value, wanted);
    if (mode == 2) return EqualsIgnoreCase(value, wanted);
    return true;
}

std::string CommentOf(const MRecordBase& store, const TRecordData& record) {
    if (!IsUsableCommentBase(record.remarkFile)) return "";
    const auto path = FindCommentFile(store.ProgramFolder(), record.remarkFile);
    if (!path) return "";
    return ReadCommentText(*path).value_or("");
}

// The cases of the store that `matches` accepts, read in one batch.
template <typename Matches>
std::vector<std::int32_t> Scan(MRecordBase& store, Matches matches) {
    std::vector<std::int32_t> ids;
    if (!store.BeginBatch()) return ids;
    for (std::int32_t id = 1; id <= store.GetLastId(); ++id) {
        TRecordData record;
        if (store.ReadCaseBatch(id, record) && matches(record)) ids.push_back(id);
    }
    store.EndBatch();
    return ids;
}

constexpr std::string_view kHourBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                              "午", "未", "申", "酉", "戌", "亥"};

}  // namespace

SearchDialogFields DialogOfConditions(const SearchConditions& c) {
    SearchDialogFields fields;
    fields.provinceEntry = c.province + 1;
    fields.sexEntry = c.sexUsed == 0 ? 0 : (c.wantedSex == 1 ? 1 : 2);
    if (c.yearsUsed != 0) {
        fields.yearFrom = DisplayYearOf(c.yearFrom);
        fields.yearTo = DisplayYearOf(c.yearTo);
    }
    fields.nameWhole = c.nameMode == 2;
    fields.categoryWhole = c.categoryMode == 2;
    if (c.nameMode != 0) fields.name = c.nameText;
    if (c.categoryMode != 0) fields.category = c.categoryText;
    if (c.commentUsed != 0) fields.comment = c.commentText;
    return fields;
}

bool ConditionsOfDialog(const SearchDialogFields& fields, SearchConditions& conditions,
                        std::string& message) {
    SearchConditions c;
    c.province =
        static_cast<std::int16_t>(fields.provinceEntry == 0 ? -1 : fields.provinceEntry - 1);
    c.sexUsed = fields.sexEntry == 0 ? 0 : 1;
    c.wantedSex = fields.sexEntry == 1 ? 1 : 0;
    if (!Trim(fields.yearFrom).empty() || !Trim(fields.yearTo).empty()) {
        const int from = YearOfEdit(fields.yearFrom);
        const int to = YearOfEdit(fields.yearTo);
        for (const int year : {from, to}) {
            if (year < kEarliestYear || year > kLatestYear || year == 0) {
                message = kYearRangeMessage;
                return false;
            }
        }
        if (to < from) {
            message = kYearOrderMessage;
            return false;
        }
        c.yearsUsed = 1;
        c.yearFrom = static_cast<std::int16_t>(from < 0 ? from + 1 : from);
        c.yearTo = static_cast<std::int16_t>(to < 0 ? to + 1 : to);
    }
    c.nameText = std::string(Trim(fields.name));
    c.nameMode = c.nameText.empty() ? 0 : (fields.nameWhole ? 2 : 1);
    c.categoryText = std::string(Trim(fields.category));
    c.categoryMode = c.categoryText.empty() ? 0 : (fields.categoryWhole ? 2 : 1);
    c.commentText = std::string(Trim(fields.comment));
    c.commentUsed = c.commentText.empty() ? 0 : 1;
    conditions = std::move(c);
    return true;
}

bool MatchesConditions(const SearchConditions& c, const TRecordData& record,
                       std::string_view comment) {
    const TChartRequest& r = record.request;
    return TextMatches(c.nameMode, r.name, c.nameText) &&
           TextMatches(c.categoryMode, record.className, c.categoryText) &&
           (c.commentUsed == 0 || Contains(comment, c.commentText)) &&
           (c.sexUsed == 0 || r.isMale == c.wantedSex) &&
           (c.yearsUsed == 0 || (c.yearFrom <= r.year && r.year <= c.yearTo)) &&
           (c.province == -1 || r.provinceIndex == c.province);
}

std::vector<std::int32_t> SearchByConditions(MRecordBase& store, const SearchConditions& c) {
    return Scan(store, [&](const TRecordData& record) {
        // The comment file is read only for a case that meets every other condition.
        if (!MatchesConditions(c, record, c.commentText)) return false;
        return c.commentUsed == 0 || MatchesConditions(c, record, CommentOf(store, record));
    });
}

std::vector<std::string> SplitKeywords(std::string_view text) {
    std::vector<std::string> keywords;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        if (end > pos) keywords.emplace_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return keywords;
}

std::vector<std::string> SearchWords(const TRecordData& record, std::string_view comment) {
    const TChartRequest& r = record.request;
    const int branch = ((r.hour + 1) / 2) % 12;
    return {r.name,
            r.isMale != 0 ? "男" : "女",
            r.placeText,
            record.className,
            std::to_string(r.year) + "年",
            std::to_string(r.month) + "月",
            std::to_string(r.day) + "日",
            std::string(kHourBranches[branch >= 0 ? branch : 0]) + "时",
            std::string(comment)};
}

std::vector<std::string> RemainingKeywords(const std::vector<std::string>& words,
                                           const std::vector<std::string>& keywords) {
    std::vector<std::string> remaining = keywords;
    for (const std::string& word : words) {
        if (remaining.empty()) break;
        const auto taken = std::find_if(remaining.begin(), remaining.end(),
                                        [&](const std::string& k) { return Contains(word, k); });
        if (taken != remaining.end()) remaining.erase(taken);
    }
    return remaining;
}

bool MatchesKeywords(const std::vector<std::string>& words,
                     const std::vector<std::string>& keywords) {
    return RemainingKeywords(words, keywords).empty();
}

std::vector<std::int32_t> SearchByKeywords(MRecordBase& store,
                                           const std::vector<std::string>& keywords) {
    if (keywords.empty()) return {};
    return Scan(store, [&](const TRecordData& record) {
        // The comment is the last word and takes one keyword at most: its file is read only
        // when exactly one keyword is left for it.
        std::vector<std::string> words = SearchWords(record, "");
        words.pop_back();
        const std::vector<std::string> left = RemainingKeywords(words, keywords);
        if (left.size() != 1) return left.empty();
        return Contains(CommentOf(store, record), left.front());
    });
}

std::string ResultLine(const TRecordData& record) {
    const TChartRequest& r = record.request;
    char date[80];
    std::snprintf(date, sizeof date, "%d-%d-%d %d:%d  ", r.year <= 0 ? r.year - 1 : r.year, r.month,
                  r.day, r.hour, r.minute);
    return r.name + " " + date + record.className;
}

std::string ResultsCaption(std::size_t count) { return std::to_string(count) + "个案例"; }

ResultMerge MergeOfResults(const std::vector<std::int32_t>& shownIds,
                           const std::vector<std::int32_t>& results, std::int32_t chosen,
                           bool showAll, bool clearList) {
    ResultMerge merge;
    if (!clearList) merge.shown = shownIds;
    merge.added = showAll ? results : std::vector<std::int32_t>{chosen};
    return merge;
}

}  // namespace tavrel
