#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct RoundTrip {
    const char* utf8;
    const char* gbk;
};

TEST(TextCodec, RoundTripsChineseAsciiAndMixedText) {
    const RoundTrip cases[] = {
        {"", ""},
        {"Tavrel 3.5", "Tavrel 3.5"},
        {"七政四余", "\xC6\xDF\xD5\xFE\xCB\xC4\xD3\xE0"},
        {"北京=116:28*39:54", "\xB1\xB1\xBE\xA9=116:28*39:54"},
        {"甲子a乙丑",
         "\xBC\xD7\xD7\xD3"
         "a"
         "\xD2\xD2\xB3\xF3"},
    };
    for (const RoundTrip& c : cases) {
        bool exact = false;
        EXPECT_EQ(Utf8ToGbk(c.utf8, &exact), c.gbk) << c.utf8;
        EXPECT_TRUE(exact);
        EXPECT_EQ(GbkToUtf8(c.gbk, &exact), c.utf8) << c.utf8;
        EXPECT_TRUE(exact);
    }
}

TEST(TextCodec, UndecodableGbkBecomesReplacementCharacters) {
    bool exact = true;
    // A lone lead byte at the end, a byte that never starts a character, then good text.
    EXPECT_EQ(GbkToUtf8("ab\xFF"
                        "\xC6\xDF"
                        "\x81",
                        &exact),
              "ab\uFFFD七\uFFFD");
    EXPECT_FALSE(exact);
    // A lead byte followed by a byte that cannot be a trail byte loses only the lead byte.
    EXPECT_EQ(GbkToUtf8("\x81 A", &exact), "\uFFFD A");
    EXPECT_FALSE(exact);
}

TEST(TextCodec, InvalidOrUnmappableUtf8BecomesQuestionMarks) {
    bool exact = true;
    // Stray continuation byte, truncated sequence, overlong slash, then an emoji outside GBK.
    EXPECT_EQ(Utf8ToGbk("a\x80"
                        "b\xE4\xB8"
                        "c\xC0\xAF"
                        "d😀e",
                        &exact),
              "a?b?c??d?e");
    EXPECT_FALSE(exact);
    EXPECT_EQ(Utf8ToGbk("七😀政", &exact), "\xC6\xDF?\xD5\xFE");
    EXPECT_FALSE(exact);
}

TEST(TextCodec, GbkByteLengthCountsTwoForEveryNonAsciiCharacter) {
    EXPECT_EQ(GbkByteLength(""), 0u);
    EXPECT_EQ(GbkByteLength("abc"), 3u);
    EXPECT_EQ(GbkByteLength("张三丰"), 6u);
    EXPECT_EQ(GbkByteLength("Li张"), 4u);
    EXPECT_EQ(GbkByteLength("\x80"), 1u);
}

TEST(TextCodec, CutStopsOnACharacterBoundary) {
    EXPECT_EQ(CutToGbkBytes("张三丰", 5), "张三");
    EXPECT_EQ(CutToGbkBytes("张三丰", 6), "张三丰");
    EXPECT_EQ(CutToGbkBytes("a张", 2), "a");
    EXPECT_EQ(CutToGbkBytes("abc", 0), "");
    EXPECT_EQ(GbkByteLength(CutToGbkBytes("诸葛孔明先生之墓abcdefg", 10)), 10u);
}

}  // namespace
}  // namespace tavrel
