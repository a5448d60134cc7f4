// Checks the three text collections compiled into the program: every key the analysis can form
// has a text, the text opens as the analysis expects, and no reading repeats another.
#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/utf8.h"
#include "presentation/fixed_sentences.h"
#include "presentation/interpretation_keys.h"
#include "presentation/star_link.h"
#include "presentation/text_table.h"

namespace tavrel {
namespace {

const std::array<std::string, kTextStarCount> kLongNames = {
    "太阳", "月亮", "水星", "金星", "火星", "木星", "土星", "罗喉", "计都", "紫气", "月孛"};
// Mansion index 0 轸 … 27 翼.
const std::array<std::string, 28> kMansions = {
    "轸", "角", "亢", "氐", "房", "心", "尾", "箕", "斗", "牛", "女", "虚", "危", "室",
    "壁", "奎", "娄", "胃", "昴", "毕", "觜", "参", "井", "鬼", "柳", "星", "张", "翼"};
// Palace index (branch number) 0 亥 … 11 戌.
const std::array<std::string, 12> kBranches = {"亥", "子", "丑", "寅", "卯", "辰",
                                               "巳", "午", "未", "申", "酉", "戌"};
// Palace number 0 … 11.
const std::array<std::string, 12> kPalaces = {"命",   "财帛", "兄弟", "田宅", "男女", "奴仆",
                                              "妻妾", "疾厄", "迁移", "官禄", "福德", "相貌"};

bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

// Collects the problems of all texts and the reading of each, to find repeats.
class Checker {
  public:
    void Check(const std::string& key, std::string_view text, const std::string& opening) {
        if (text.empty()) {
            problems_.push_back(key + ": missing or empty");
            return;
        }
        if (!IsUtf8(text)) problems_.push_back(key + ": not UTF-8");
        if (!text.starts_with(opening)) {
            problems_.push_back(key + ": does not begin with \"" + opening +
                                "\": " + std::string(text));
            return;
        }
        const std::string reading(text.substr(opening.size()));
        if (reading.empty()) {
            problems_.push_back(key + ": holds only its opening");
            return;
        }
        const auto [earlier, fresh] = readings_.emplace(reading, key);
        if (!fresh) problems_.push_back(key + ": repeats the reading of " + earlier->second);
    }
    void Problem(const std::string& problem) { problems_.push_back(problem); }
    const std::vector<std::string>& Problems() const { return problems_; }

  private:
    std::vector<std::string> problems_;
    std::map<std::string, std::string> readings_;
};

std::string Join(const std::vector<std::string>& problems) {
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < 40; ++i) text += problems[i] + "\n";
    if (problems.size() > 40) text += "… and " + std::to_string(problems.size() - 40) + " more\n";
    return text;
}

std::string StarLinkOpening(int entry) {
    if (entry <= 28) return "与" + kMansions[static_cast<std::size_t>(entry % 28)] + "宿：";
    if (entry <= 40) {
        const int palace = entry - 29;
        return (palace == 0 ? std::string("本命") : kPalaces[static_cast<std::size_t>(palace)]) +
               "宫：";
    }
    return "入" + kBranches[static_cast<std::size_t>((entry - 40) % 12)] + "宫：";
}

// Number → the opening its text must have, for every number the analysis can form.
std::map<int, std::string> RequiredNumbers() {
    std::map<int, std::string> numbers;
    for (std::size_t s = 0; s < kLongNames.size(); ++s) {
        const int star = static_cast<int>(s);
        for (std::size_t m = 0; m < kMansions.size(); ++m) {
            numbers[MansionTextNumber(star, static_cast<int>(m))] =
                kLongNames[s] + "躔" + kMansions[m] + "宿号";
        }
        for (std::size_t b = 0; b < kBranches.size(); ++b) {
            numbers[PalaceIndexTextNumber(star, static_cast<int>(b))] =
                kLongNames[s] + "守" + kBranches[b] + "宫：";
        }
        for (std::size_t p = 0; p <= 9; ++p) {
            numbers[PalaceNumberTextNumber(star, static_cast<int>(p))] =
                kLongNames[s] + "飞" + kPalaces[p] + "宫，";
        }
    }
    for (std::size_t t = 0; t < kPalaces.size(); ++t) {
        for (std::size_t f = 0; f < kPalaces.size(); ++f) {
            numbers[LordFlightTextNumber(static_cast<int>(t), static_cast<int>(f))] =
                kPalaces[f] + "宫主飞入" + kPalaces[t] + "宫，";
        }
    }
    for (std::size_t L = 0; L < kBranches.size(); ++L) {
        numbers[AppearanceTextNumber(static_cast<int>(L))] = "立命" + kBranches[L] + "宫：";
        numbers[CharacterTextNumber(static_cast<int>(L))] = "立命" + kBranches[L] + "宫：";
    }
    return numbers;
}

std::set<std::string> RequiredHeadings() {
    constexpr int kJupiter = 5;
    constexpr int kSun = 0;
    std::set<std::string> headings;
    for (int x = 0; x < kGovernorCount; ++x) {
        for (int y = 0; y < kGovernorCount; ++y) {
            if (x != kJupiter || y != kSun) headings.insert(DegreeSentenceHeading(x, y));
        }
        for (int y = x + 1; y < kTextStarCount; ++y) {
            headings.insert(ConjunctionSentenceHeading(x, y));
        }
    }
    for (int x = 0; x < kTextStarCount; ++x) {
        for (int y = 0; y < kGovernorCount; ++y) headings.insert(PalaceSentenceHeading(x, y));
    }
    return headings;
}

TEST(InterpretationTextsCheck, EveryKeyTheAnalysisFormsHasItsOwnText) {
    Checker checker;

    const StarLink& link = StarLink::Embedded();
    int starLinkCount = 0;
    for (int star = 0; star < kTextStarCount; ++star) {
        const std::string section = StarLinkSection(star);
        for (int entry = 1; entry <= kStarLinkEntryCount; ++entry) {
            checker.Check("[" + section + "] " + std::to_string(entry),
                          link.StarLinkEntry(section, entry), StarLinkOpening(entry));
            ++starLinkCount;
        }
        if (!link.StarLinkEntry(section, kStarLinkEntryCount + 1).empty()) {
            checker.Problem("[" + section + "] has more than 52 entries");
        }
    }

    const TextTable& table = TextTable::Embedded();
    const std::map<int, std::string> numbers = RequiredNumbers();
    for (const auto& [number, opening] : numbers) {
        checker.Check("text " + std::to_string(number), table.Text(number), opening);
    }
    for (const auto& [number, text] : table.Texts()) {
        if (!numbers.contains(number)) {
            checker.Problem("text " + std::to_string(number) + " is never asked for");
        }
    }
    for (int line : table.SkippedLines()) {
        checker.Problem("text_table.txt line " + std::to_string(line) + " is malformed");
    }

    const FixedSentences& sentences = FixedSentences::Embedded();
    const std::set<std::string> headings = RequiredHeadings();
    for (const std::string& heading : headings) {
        const std::string sentence = sentences.Sentence(heading);
        checker.Check(heading, sentence, sentence.empty() ? std::string() : heading + "：");
    }
    for (const auto& [heading, text] : sentences.Texts()) {
        if (!headings.contains(heading)) checker.Problem(heading + " is never asked for");
    }
    for (int line : sentences.SkippedLines()) {
        checker.Problem("fixed_sentences.txt line " + std::to_string(line) + " is malformed");
    }

    const std::size_t total =
        static_cast<std::size_t>(starLinkCount) + numbers.size() + headings.size();
    std::cout << "StarLink entries: " << starLinkCount << "\n"
              << "Numbered texts: " << numbers.size() << "\n"
              << "Fixed sentences: " << headings.size() << "\n"
              << "Texts in all: " << total << "\n"
              << "Problems: " << checker.Problems().size() << "\n";
    EXPECT_EQ(starLinkCount, 572);
    EXPECT_EQ(numbers.size(), 718u);
    EXPECT_EQ(headings.size(), 174u);
    EXPECT_TRUE(checker.Problems().empty()) << Join(checker.Problems());
}

}  // namespace
}  // namespace tavrel
