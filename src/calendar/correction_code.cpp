#include "calendar/correction_code.h"

#include <array>
#include <limits>
#include <vector>

namespace tavrel {

namespace {

struct Token {
    char letter;
    std::string_view digits;
};

const std::string& Zeros(int n) {
    static const std::array<std::string, 7> runs = {"",
                                                    std::string(10, '0'),
                                                    std::string(20, '0'),
                                                    std::string(30, '0'),
                                                    std::string(40, '0'),
                                                    std::string(50, '0'),
                                                    std::string(60, '0')};
    return runs[static_cast<size_t>(n / 10)];
}

const std::vector<Token>& Tokens() {
    static const std::vector<Token> tokens = {
        {'J', "00"},         {'I', "000"},      {'H', "0000"},      {'G', "00000"},
        {'t', "02"},         {'s', "002"},      {'r', "0002"},      {'q', "00002"},
        {'p', "000002"},     {'o', "0000002"},  {'n', "00000002"},  {'m', "000000002"},
        {'l', "0000000002"}, {'k', "01"},       {'j', "0101"},      {'i', "001"},
        {'h', "001001"},     {'g', "0001"},     {'f', "00001"},     {'e', "000001"},
        {'d', "0000001"},    {'c', "00000001"}, {'b', "000000001"}, {'a', "0000000001"},
        {'A', Zeros(60)},    {'B', Zeros(50)},  {'C', Zeros(40)},   {'D', Zeros(30)},
        {'E', Zeros(20)},    {'F', Zeros(10)},  {'1', "1"},         {'2', "2"},
        {'0', "0"}};
    return tokens;
}

}  // namespace

std::string ExpandCorrections(std::string_view compressed) {
    std::string out;
    out.reserve(compressed.size() * 10);
    for (char c : compressed) {
        for (const Token& t : Tokens()) {
            if (t.letter == c) {
                out += t.digits;
                break;
            }
        }
    }
    return out;
}

std::string CompressCorrections(std::string_view digits) {
    // Shortest path over the positions: cost[i] = fewest letters for digits[i..].
    const size_t n = digits.size();
    std::vector<int> cost(n + 1, std::numeric_limits<int>::max());
    std::vector<char> choice(n + 1, 0);
    std::vector<size_t> length(n + 1, 0);
    cost[n] = 0;
    for (size_t i = n; i-- > 0;) {
        for (const Token& t : Tokens()) {
            const size_t len = t.digits.size();
            if (i + len > n || cost[i + len] == std::numeric_limits<int>::max()) continue;
            if (t.letter == '0' && i + 1 != n) continue;  // a bare 0 only at the very end
            if (digits.substr(i, len) != t.digits) continue;
            if (cost[i + len] + 1 < cost[i]) {
                cost[i] = cost[i + len] + 1;
                choice[i] = t.letter;
                length[i] = len;
            }
        }
    }
    std::string out;
    for (size_t i = 0; i < n; i += length[i]) {
        if (length[i] == 0) return {};  // a character outside 0, 1, 2
        out += choice[i];
    }
    return out;
}

}  // namespace tavrel
