#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// A settings file in the Windows INI form, read and written the way Windows programs expect:
// section and key names compare without regard to ASCII letter case, the first matching section
// and the first matching key win, a missing file or key yields the caller's default, and values
// are trimmed. The file is GBK on disk and UTF-8 here. Every write updates the file at once,
// atomically, keeping comments and lines this class does not understand byte for byte.
class IniFile {
  public:
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal with optional sign, or hexadecimal as 0x… or $…; anything else gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Any non-zero integer is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    double ReadFloat(std::string_view section, std::string_view key, double defaultValue) const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Key names of the section in file order, each once.
    std::vector<std::string> ReadSection(std::string_view section) const;

    // Writers return false when the file could not be written; the file is then unchanged.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    bool WriteFloat(std::string_view section, std::string_view key, double value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);

  private:
    enum class LineKind { kOther, kSection, kEntry };
    struct Line {
        std::string raw;  // the bytes of the file, without the line ending
        LineKind kind = LineKind::kOther;
        std::string name;   // section or key name, UTF-8, trimmed
        std::string value;  // entry value, UTF-8, trimmed and unquoted
    };
    struct Range {
        std::size_t header;
        std::size_t end;  // one past the last line of the section
    };

    void Parse(std::string_view bytes);
    static Line ParseLine(std::string raw);
    bool FindSection(std::string_view section, Range& range) const;
    std::size_t FindKey(const Range& range, std::string_view key) const;
    bool Save(std::vector<Line> lines);

    std::string path_;
    std::string lineEnding_ = "\r\n";
    std::vector<Line> lines_;
};

}  // namespace tavrel
