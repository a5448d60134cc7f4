#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>

#include "platform/utf8.h"

namespace tavrel {

namespace {

constexpr const char* kGbkName = "CP936";

// One pair of conversion descriptors per thread: iconv_t keeps shift state and is not shareable.
class Converters {
  public:
    Converters() : toUtf8_(iconv_open("UTF-8", kGbkName)), toGbk_(iconv_open(kGbkName, "UTF-8")) {}
    ~Converters() {
        if (toUtf8_ != Invalid()) iconv_close(toUtf8_);
        if (toGbk_ != Invalid()) iconv_close(toGbk_);
    }
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;

    iconv_t ToUtf8() const { return toUtf8_; }
    iconv_t ToGbk() const { return toGbk_; }

    static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }

  private:
    iconv_t toUtf8_;
    iconv_t toGbk_;
};

Converters& ThreadConverters() {
    thread_local Converters converters;
    return converters;
}

// Converts as much of `in` as iconv accepts, appending to `out`. Returns the errno that stopped
// it (0 when all input was consumed).
int ConvertRun(iconv_t cd, std::string_view& in, std::string& out) {
    char buffer[1024];
    while (!in.empty()) {
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        const int error = rc == static_cast<std::size_t>(-1) ? errno : 0;
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        in.remove_prefix(in.size() - srcLeft);
        if (error != 0 && error != E2BIG) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            return error;
        }
    }
    return 0;
}

// How many bytes one '?' stands for when UTF-8 input is broken at the front of `text`: a valid
// lead byte takes the continuation bytes that follow it (a truncated character is one
// character), anything else is a single byte.
std::size_t BrokenUtf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t expected = lead >= 0xC2 && lead <= 0xDF   ? 2
                                 : lead >= 0xE0 && lead <= 0xEF ? 3
                                 : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                : 1;
    std::size_t length = 1;
    while (length < expected && length < text.size() &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

bool IsGbkLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsGbkTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

}  // namespace

std::string GbkToUtf8(std::string_view gbk, bool* exact) {
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    bool clean = true;
    const iconv_t cd = ThreadConverters().ToUtf8();
    while (!gbk.empty()) {
        if (cd == Converters::Invalid() || ConvertRun(cd, gbk, out) != 0) {
            // A byte pair of GBK shape that has no mapping is one lost character, not two.
            std::size_t skip = 1;
            if (gbk.size() >= 2 && IsGbkLead(static_cast<unsigned char>(gbk[0])) &&
                IsGbkTrail(static_cast<unsigned char>(gbk[1]))) {
                skip = 2;
            }
            AppendUtf8(out, kReplacementCharacter);
            gbk.remove_prefix(skip);
            clean = false;
        }
    }
    if (exact != nullptr) *exact = clean;
    return out;
}

std::string Utf8ToGbk(std::string_view utf8, bool* exact) {
    std::string out;
    out.reserve(utf8.size());
    bool clean = true;
    const iconv_t cd = ThreadConverters().ToGbk();
    while (!utf8.empty()) {
        if (cd == Converters::Invalid() || ConvertRun(cd, utf8, out) != 0) {
            const std::size_t length = Utf8SequenceLength(utf8, 0);
            out += '?';
            utf8.remove_prefix(length == 0 ? BrokenUtf8Length(utf8) : length);
            clean = false;
        }
    }
    if (exact != nullptr) *exact = clean;
    return out;
}

std::size_t GbkByteLength(std::string_view utf8) {
    std::size_t bytes = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t length = Utf8SequenceLength(utf8, pos);
        bytes += length <= 1 ? 1 : 2;
        pos += length == 0 ? 1 : length;
    }
    return bytes;
}

std::string CutToGbkBytes(std::string_view utf8, std::size_t maxBytes) {
    std::size_t bytes = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t length = Utf8SequenceLength(utf8, pos);
        const std::size_t cost = length <= 1 ? 1 : 2;
        if (bytes + cost > maxBytes) break;
        bytes += cost;
        pos += length == 0 ? 1 : length;
    }
    return std::string(utf8.substr(0, pos));
}

}  // namespace tavrel
