#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "platform/text_codec.h"
#include "records/birthday_file.h"

namespace tavrel {
namespace {

// The fuzz target: any bytes either give no line or a line inside the limits of the fields.
void FuzzBirthdayLine(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<BirthdayLine> line = ParseBirthdayLine(text);
    if (!line) return;
    ASSERT_GE(GbkByteLength(line->name), 1u);
    ASSERT_LE(GbkByteLength(line->name), 20u);
    ASSERT_EQ(line->name.find(' '), std::string::npos);
    ASSERT_LE(GbkByteLength(line->place), 300u);
    ASSERT_TRUE(line->month >= 1 && line->month <= 12);
    ASSERT_TRUE(line->day >= 1 && line->day <= 31);
    ASSERT_TRUE(line->hour >= 0 && line->hour <= 23);
    ASSERT_TRUE(line->minute >= 0 && line->minute <= 59);
}

// Mutates well-formed lines byte by byte (flip, insert, erase, splice), as a coverage-blind
// fuzzer does, under the sanitizers of the test build.
TEST(BirthdayLineFuzz, RandomMutationsOfGoodLines) {
    const std::string seeds[] = {"张三 男 1980-5-6-12:30 浙江省杭州市", "李四 女 -50-1-2-3:4",
                                 "abc 男 2000-12-31-23:59 北京市", "\xEF\xBB\xBF王 女 1-1-1-0:0"};
    std::mt19937 random(2026);
    const char alphabet[] = " -:0123456789\xE5\xBC\xA0\xFF\x80";
    for (int round = 0; round < 20000; ++round) {
        std::string text = seeds[random() % std::size(seeds)];
        for (int edits = static_cast<int>(random() % 6); edits >= 0; --edits) {
            const std::size_t at = text.empty() ? 0 : random() % text.size();
            switch (random() % 4) {
                case 0:
                    if (!text.empty()) text[at] = static_cast<char>(random());
                    break;
                case 1:
                    text.insert(at, 1, alphabet[random() % (sizeof alphabet - 1)]);
                    break;
                case 2:
                    if (!text.empty()) text.erase(at, 1 + random() % 3);
                    break;
                default:
                    text.insert(at, std::string(random() % 400, 'x'));
                    break;
            }
        }
        FuzzBirthdayLine(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        if (::testing::Test::HasFatalFailure()) FAIL() << "input: " << text;
    }
}

}  // namespace
}  // namespace tavrel
