#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel {

// One case of the Windows program's old case file dat/tavrel.dat, a headerless file of fixed
// 152-byte little-endian records with NUL-terminated GBK texts. Texts here are UTF-8.
struct TLegacyRecord {
    std::string name;
    std::string className;
    std::int16_t year = 0;  // astronomical numbering
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::uint8_t isLunar = 0;
    std::uint8_t isLeapMonth = 0;
    std::uint8_t isMale = 0;
    std::int16_t provinceIndex = 0;
    std::int16_t cityIndex = 0;
    std::int8_t zone = 0;
    float longitude = 0;
    float latitude = 0;
    std::string placeName;
    std::string remarkFile;  // comment file base name, no folder, no ".rtf"
};

inline constexpr std::size_t kLegacyRecordSize = 152;

// Decodes one record of exactly kLegacyRecordSize bytes; false when it is marked deleted.
bool DecodeLegacyRecord(std::string_view bytes, TLegacyRecord& record);

// The reader of the old case file.
class MDataBase {
  public:
    // The file is <program folder>/dat/tavrel.dat.
    void OpenFile(const std::string& programFolder);
    const std::string& Path() const { return path_; }

    // Number of whole records; trailing bytes of a partial record are ignored.
    int GetCount() const;
    // Loads the file; false when it cannot be read.
    bool BeginRead();
    // False when index is outside the file or the record is marked deleted.
    bool ReadRecord(int index, TLegacyRecord& record) const;
    void EndRead();

  private:
    std::string path_;
    std::string bytes_;
    int count_ = 0;
};

}  // namespace tavrel
