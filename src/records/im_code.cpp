#include "records/im_code.h"

#include <array>
#include <cstddef>

#include "platform/text_codec.h"
#include "platform/utf8.h"
#include "records/tables/pinyin_table.h"

namespace tavrel {

namespace {

constexpr unsigned char kSymbolLead = 0xA2;
constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kGreekLead = 0xA6;
constexpr unsigned char kFirstTableLead = 0x81;
constexpr unsigned char kFirstTableTrail = 0x40;
constexpr unsigned char kFirstRowTrail = 0xA1;
constexpr unsigned char kGreekCapitalTrail = 0xA1;
constexpr unsigned char kGreekSmallTrail = 0xC1;

// Α … Ω in the order of the GBK rows; small letters use the same list.
constexpr std::array<std::string_view, 24> kGreekLatin = {
    "A", "B", "G", "D", "E", "Z", "E", "TH", "I",  "K",  "L",  "M",
    "N", "X", "O", "P", "R", "S", "T", "U",  "PH", "KH", "PS", "O"};

bool IsAsciiLetterOrDigit(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z');
}

void AppendUnread(std::string& out, int flags) {
    if ((flags & ImCode::kMarkUnread) != 0) out += '?';
}

std::size_t SyllableNumber(unsigned char lead, unsigned char trail) {
    const auto row = static_cast<std::size_t>(lead - kFirstTableLead);
    const auto column = static_cast<std::size_t>(trail - kFirstTableTrail);
    if (lead < kFirstTableLead || trail < kFirstTableTrail || column >= kPinyinTrailCount) return 0;
    const std::size_t index = row * kPinyinTrailCount + column;
    return index < PinyinTable.size() ? PinyinTable[index] : 0;
}

void AppendSymbolNumber(std::string& out, unsigned char trail, int flags) {
    const std::size_t number =
        trail >= kFirstRowTrail ? SymbolNumberTable[trail - kFirstRowTrail] : 0;
    if (number == 0) {
        AppendUnread(out, flags);
    } else {
        out += std::to_string(number);
    }
}

void AppendFullWidth(std::string& out, unsigned char trail, int flags) {
    if (trail < kFirstRowTrail) return;
    const auto ascii = static_cast<unsigned char>(trail - 0x80);
    if (IsAsciiLetterOrDigit(ascii) || (flags & ImCode::kKeepSymbols) != 0) {
        out += static_cast<char>(ascii);
    }
}

void AppendGreek(std::string& out, unsigned char trail) {
    for (const unsigned char first : {kGreekCapitalTrail, kGreekSmallTrail}) {
        const auto offset = static_cast<std::size_t>(trail - first);
        if (trail >= first && offset < kGreekLatin.size()) {
            out += kGreekLatin[offset];
        }
    }
}

void AppendSyllable(std::string& out, unsigned char lead, unsigned char trail, int flags) {
    const std::size_t number = SyllableNumber(lead, trail);
    const std::string_view syllable = number < SyllableName.size() ? SyllableName[number] : "";
    if (syllable.empty()) {
        AppendUnread(out, flags);
    } else if ((flags & ImCode::kWholeSyllables) != 0) {
        out += static_cast<char>(syllable[0] - 'a' + 'A');
        out += syllable.substr(1);
    } else {
        out += syllable[0];
    }
}

// One character as GBK: a single byte, or a lead byte with its trail byte.
void AppendGbkCharacter(std::string& out, std::string_view gbk, std::string_view utf8, int flags) {
    const auto lead = static_cast<unsigned char>(gbk[0]);
    if (gbk.size() == 1) {
        if (IsAsciiLetterOrDigit(lead) || (flags & ImCode::kKeepSymbols) != 0) out += utf8;
        return;
    }
    const auto trail = static_cast<unsigned char>(gbk[1]);
    switch (lead) {
        case kSymbolLead:
            AppendSymbolNumber(out, trail, flags);
            break;
        case kFullWidthLead:
            AppendFullWidth(out, trail, flags);
            break;
        case kGreekLead:
            AppendGreek(out, trail);
            break;
        default:
            AppendSyllable(out, lead, trail, flags);
    }
}

}  // namespace

std::string ImCode::GetInitials(std::string_view text, int flags) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) {
            AppendUnread(out, flags);
            ++pos;
        } else {
            const std::string_view character = text.substr(pos, length);
            bool exact = false;
            const std::string gbk = Utf8ToGbk(character, &exact);
            if (exact && (gbk.size() == 1 || gbk.size() == 2)) {
                AppendGbkCharacter(out, gbk, character, flags);
            } else {
                AppendUnread(out, flags);
            }
            pos += length;
        }
        out += ' ';
    }
    return out;
}

}  // namespace tavrel
