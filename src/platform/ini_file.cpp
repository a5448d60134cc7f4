#include "platform/ini_file.h"

#include <charconv>
#include <cstdlib>
#include <limits>

#include "platform/file_util.h"
#include "platform/string_util.h"
#include "platform/text_codec.h"

namespace tavrel {

namespace {

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool ParseInteger(std::string_view text, int& result) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    long long magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    const long long value = negative ? -magnitude : magnitude;
    // Hexadecimal values name 32-bit patterns such as colours; decimal ones must fit an int.
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL) {
        result = static_cast<int>(static_cast<unsigned int>(magnitude));
        return true;
    }
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return false;
    }
    result = static_cast<int>(value);
    return true;
}

bool ParseFloat(std::string_view text, double& result) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    return error == std::errc() && end == text.data() + text.size();
}

std::string FormatFloat(double value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    if (const auto bytes = ReadFileBytes(path_)) Parse(*bytes);
}

void IniFile::Parse(std::string_view bytes) {
    if (bytes.find("\r\n") == std::string_view::npos &&
        bytes.find('\n') != std::string_view::npos) {
        lineEnding_ = "\n";
    }
    while (!bytes.empty()) {
        const std::size_t newline = bytes.find('\n');
        std::string_view raw = bytes.substr(0, newline);
        bytes.remove_prefix(newline == std::string_view::npos ? bytes.size() : newline + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        lines_.push_back(ParseLine(std::string(raw)));
    }
}

IniFile::Line IniFile::ParseLine(std::string raw) {
    Line line;
    const std::string text = GbkToUtf8(raw);
    line.raw = std::move(raw);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == ';') return line;
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        line.kind = LineKind::kSection;
        line.name = std::string(Trim(trimmed.substr(
            1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
        return line;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) return line;
    line.kind = LineKind::kEntry;
    line.name = std::string(Trim(trimmed.substr(0, equals)));
    line.value = std::string(Unquote(Trim(trimmed.substr(equals + 1))));
    return line;
}

bool IniFile::FindSection(std::string_view section, Range& range) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != LineKind::kSection || !EqualsIgnoreCase(lines_[i].name, section)) {
            continue;
        }
        range.header = i;
        range.end = i + 1;
        while (range.end < lines_.size() && lines_[range.end].kind != LineKind::kSection) {
            ++range.end;
        }
        return true;
    }
    return false;
}

std::size_t IniFile::FindKey(const Range& range, std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (lines_[i].kind == LineKind::kEntry && EqualsIgnoreCase(lines_[i].name, key)) return i;
    }
    return lines_.size();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    Range range{};
    if (!FindSection(section, range)) return std::string(defaultValue);
    const std::size_t at = FindKey(range, key);
    return at < lines_.size() ? lines_[at].value : std::string(defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    int value = 0;
    return ParseInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key,
                          double defaultValue) const {
    double value = 0;
    return ParseFloat(ReadString(section, key, ""), value) ? value : defaultValue;
}

bool IniFile::SectionExists(std::string_view section) const {
    Range range{};
    return FindSection(section, range);
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    Range range{};
    return FindSection(section, range) && FindKey(range, key) < lines_.size();
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    Range range{};
    if (!FindSection(section, range)) return keys;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (lines_[i].kind == LineKind::kEntry && FindKey(range, lines_[i].name) == i) {
            keys.push_back(lines_[i].name);
        }
    }
    return keys;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::vector<Line> lines = lines_;
    Range range{};
    if (!FindSection(section, range)) {
        if (!lines.empty() && !Trim(lines.back().raw).empty()) lines.push_back(ParseLine(""));
        lines.push_back(ParseLine(Utf8ToGbk("[" + std::string(section) + "]")));
        lines.push_back(ParseLine(Utf8ToGbk(std::string(key) + "=" + std::string(value))));
        return Save(std::move(lines));
    }
    const std::size_t at = FindKey(range, key);
    if (at < lines.size()) {
        // The key keeps the spelling it has in the file.
        lines[at] = ParseLine(Utf8ToGbk(lines[at].name + "=" + std::string(value)));
        return Save(std::move(lines));
    }
    std::size_t insert = range.end;
    while (insert > range.header + 1 && Trim(lines[insert - 1].raw).empty()) --insert;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert),
                 ParseLine(Utf8ToGbk(std::string(key) + "=" + std::string(value))));
    return Save(std::move(lines));
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
    return WriteString(section, key, FormatFloat(value));
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    Range range{};
    if (!FindSection(section, range)) return true;
    const std::size_t at = FindKey(range, key);
    if (at >= lines_.size()) return true;
    std::vector<Line> lines = lines_;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
    return Save(std::move(lines));
}

bool IniFile::EraseSection(std::string_view section) {
    Range range{};
    if (!FindSection(section, range)) return true;
    std::vector<Line> lines = lines_;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(range.header),
                lines.begin() + static_cast<std::ptrdiff_t>(range.end));
    return Save(std::move(lines));
}

bool IniFile::Save(std::vector<Line> lines) {
    std::string bytes;
    for (const Line& line : lines) {
        bytes += line.raw;
        bytes += lineEnding_;
    }
    if (!WriteFileAtomically(path_, bytes)) return false;
    lines_ = std::move(lines);
    return true;
}

}  // namespace tavrel
