#include "chart/xiang_definitions.h"

#include <charconv>
#include <cstring>
#include <string>

#include "platform/string_util.h"
#include "platform/utf8.h"

namespace tavrel {

namespace {

std::string KeyOf(int i) { return "xiangWei" + std::to_string(i); }

// A decimal integer with optional sign, blanks around it allowed; anything else is 0.
int32_t LenientInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return value;
}

void CopyName(std::string_view name, char (&target)[kAspectNameBytes]) {
    std::size_t kept = 0;
    while (kept < name.size()) {
        const std::size_t length = Utf8SequenceLength(name, kept);
        if (length == 0 || kept + length >= kAspectNameBytes) break;
        kept += length;
    }
    std::memcpy(target, name.data(), kept);
    target[kept] = '\0';
}

bool ParseAspect(std::string_view value, TXiangItem& item) {
    const std::vector<std::string_view> parts = SplitAspectValue(value);
    if (parts.size() < 4) return false;
    CopyName(parts[0], item.name);
    item.angle = LenientInteger(parts[1]);
    item.orb = LenientInteger(parts[2]);
    item.colour = LenientInteger(parts[3]);
    return true;
}

}  // namespace

const std::array<std::string_view, 8>& DefaultAspectValues() {
    static constexpr std::array<std::string_view, 8> values = {
        "守*0*3*0",        "夹*30*3*16744448",  "刑*45*3*16744703",  "辅*60*3*16711808",
        "关*90*3*8388863", "拱*120*3*16711680", "刑*135*3*16744703", "对*180*3*255"};
    return values;
}

std::vector<std::string_view> SplitAspectValue(std::string_view value) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t star = value.find('*', 1);
        if (value.empty() || star == std::string_view::npos) break;
        parts.push_back(value.substr(0, star));
        value.remove_prefix(star + 1);
    }
    if (!value.empty()) parts.push_back(value);
    return parts;
}

TXiangRelate LoadAspectDefinitions(IniFile& ini) {
    TXiangRelate relate{};
    if (!ini.ValueExists(kAspectSection, KeyOf(0))) {
        bool written = true;
        const auto& defaults = DefaultAspectValues();
        for (std::size_t i = 0; i < defaults.size() && written; ++i) {
            written = ini.WriteString(kAspectSection, KeyOf(static_cast<int>(i)), defaults[i]);
        }
        if (!written) {
            for (std::string_view value : defaults)
                ParseAspect(value, relate.items[relate.count++]);
            return relate;
        }
    }
    for (int i = 0; i < kMaxAspectDefinitions; ++i) {
        const std::string key = KeyOf(i);
        if (!ini.ValueExists(kAspectSection, key)) break;
        if (ParseAspect(ini.ReadString(kAspectSection, key, ""), relate.items[relate.count])) {
            ++relate.count;
        }
    }
    return relate;
}

}  // namespace tavrel
