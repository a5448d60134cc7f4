#include "records/im_code.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/text_codec.h"
#include "records/tables/pinyin_table.h"

namespace tavrel {
namespace {

constexpr int kWhole = ImCode::kWholeSyllables;
constexpr int kMark = ImCode::kMarkUnread;
constexpr int kKeep = ImCode::kKeepSymbols;

std::size_t TableNumber(std::string_view character) {
    const std::string gbk = Utf8ToGbk(character);
    const auto lead = static_cast<unsigned char>(gbk.at(0));
    const auto trail = static_cast<unsigned char>(gbk.at(1));
    return PinyinTable.at((lead - 0x81u) * kPinyinTrailCount + (trail - 0x40u));
}

TEST(PinyinTableTest, NumbersTheSyllablesAlphabeticallyWithTheExtrasAfter394) {
    EXPECT_EQ(SyllableName[1], "a");
    EXPECT_EQ(SyllableName[393], "zuo");
    EXPECT_EQ(SyllableName[394], "");
    const std::vector<std::string_view> extras = {"ei", "m",  "n",  "dia", "cen", "nou",
                                                  "jv", "qv", "xv", "lv",  "nv"};
    for (std::size_t i = 0; i < extras.size(); ++i) EXPECT_EQ(SyllableName[395 + i], extras[i]);
    for (std::size_t i = 2; i <= 393; ++i) {
        EXPECT_LT(SyllableName[i - 1], SyllableName[i]) << i;
        EXPECT_LE(SyllableName[i].size(), 6u) << i;
    }
    for (const std::uint16_t number : PinyinTable) {
        ASSERT_TRUE(number < kSyllableCount && number != 394) << number;
    }
}

TEST(PinyinTableTest, GivesTheKnownSyllableNumbers) {
    const struct {
        std::string_view character;
        std::size_t number;
    } cases[] = {{"啊", 1},   {"陈", 35}, {"李", 164}, {"王", 324},
                 {"赵", 371}, {"褚", 40}, {"亓", 241}};
    for (const auto& c : cases) EXPECT_EQ(TableNumber(c.character), c.number) << c.character;
}

TEST(ImCodeTest, WritesInitialsOrWholeSyllablesOfSurnames) {
    const struct {
        std::string_view text;
        std::string_view initials;
        std::string_view syllables;
    } cases[] = {
        {"张", "z ", "Zhang "},
        {"王", "w ", "Wang "},
        {"李", "l ", "Li "},
        {"赵", "z ", "Zhao "},
        {"欧阳", "o y ", "Ou Yang "},
        {"诸葛", "z g ", "Zhu Ge "},
        {"司马", "s m ", "Si Ma "},
        {"岑", "c ", "Cen "},
        {"吕", "l ", "Lv "},
        {"女", "n ", "Nv "},
        {"略", "l ", "Lue "},
        {"诶", "e ", "Ei "},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImCode::GetInitials(c.text, 0), c.initials) << c.text;
        EXPECT_EQ(ImCode::GetInitials(c.text, kWhole), c.syllables) << c.text;
    }
}

// Polyphonic surnames take the character's first listed reading, not the surname reading.
TEST(ImCodeTest, PolyphonicCharactersTakeTheirFirstReading) {
    const struct {
        std::string_view text;
        std::string_view syllables;
    } cases[] = {{"单", "Dan "},  {"曾", "Ceng "}, {"解", "Jie "},   {"仇", "Chou "},
                 {"区", "Qu "},   {"朴", "Pu "},   {"长", "Zhang "}, {"万", "Wan "},
                 {"沈", "Shen "}, {"缪", "Mou "},  {"乐", "Le "}};
    for (const auto& c : cases) EXPECT_EQ(ImCode::GetInitials(c.text, kWhole), c.syllables);
}

TEST(ImCodeTest, SingleBytesKeepLettersAndDigitsAndDropTheRestUnlessKept) {
    EXPECT_EQ(ImCode::GetInitials("Li3", 0), "L i 3 ");
    EXPECT_EQ(ImCode::GetInitials("Li3", kWhole), "L i 3 ");
    EXPECT_EQ(ImCode::GetInitials("a-b c", 0), "a  b  c ");
    EXPECT_EQ(ImCode::GetInitials("a-b c", kKeep), "a - b   c ");
    EXPECT_EQ(ImCode::GetInitials("a-b", kMark), "a  b ");
    EXPECT_EQ(ImCode::GetInitials("张-三", 0), "z  s ");
    EXPECT_EQ(ImCode::GetInitials("€", 0), " ");
    EXPECT_EQ(ImCode::GetInitials("€", kKeep), "€ ");
}

TEST(ImCodeTest, FullWidthCharactersBecomeAscii) {
    EXPECT_EQ(ImCode::GetInitials("Ａｂ９", 0), "A b 9 ");
    EXPECT_EQ(ImCode::GetInitials("（＋）", 0), "   ");
    EXPECT_EQ(ImCode::GetInitials("（＋）", kKeep), "( + ) ");
}

TEST(ImCodeTest, NumberedSymbolsBecomeTheirNumber) {
    EXPECT_EQ(ImCode::GetInitials("ⅰ⒈⒛⑴⒇①⑩㈠㈩ⅠⅫ", 0), "1 1 20 1 20 1 10 1 10 1 12 ");
    // 0xA2 0xAB is an empty slot of the row.
    EXPECT_EQ(ImCode::GetInitials(GbkToUtf8("\xa2\xab"), kMark), "? ");
    EXPECT_EQ(ImCode::GetInitials(GbkToUtf8("\xa2\xab"), 0), " ");
}

TEST(ImCodeTest, GreekLettersBecomeUpperCaseLatin) {
    EXPECT_EQ(ImCode::GetInitials("ΑΘΞΦΧΨΩ", 0), "A TH X PH KH PS O ");
    EXPECT_EQ(ImCode::GetInitials("αθξφχψω", kWhole), "A TH X PH KH PS O ");
}

TEST(ImCodeTest, CharactersWithoutReadingGiveNothingOrAQuestionMark) {
    const std::string invalid = "\xff\xc0\x80";
    const struct {
        std::string text;
        std::string_view plain;
        std::string_view marked;
    } cases[] = {
        {"※", " ", "? "},            // a GBK symbol outside the rule rows
        {"😀", " ", "? "},            // not in GBK
        {"𠀀", " ", "? "},           // ideograph outside GBK
        {"ぁ", " ", "? "},           // kana
        {invalid, "   ", "? ? ? "},  // bytes that are not UTF-8
        {"李\xe6", "l  ", "Li ? "},  // truncated character at the end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImCode::GetInitials(c.text, 0), c.plain) << c.text;
        EXPECT_EQ(ImCode::GetInitials(c.text, kMark | kWhole), c.marked) << c.text;
    }
}

TEST(ImCodeTest, SurvivesEveryGbkCode) {
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFF; ++trail) {
            const std::string gbk = {static_cast<char>(lead), static_cast<char>(trail)};
            const std::string text = GbkToUtf8(gbk);
            EXPECT_FALSE(ImCode::GetInitials(text, kWhole | kMark | kKeep).empty());
        }
    }
}

}  // namespace
}  // namespace tavrel
