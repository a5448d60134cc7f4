#include "records/legacy_case_file.h"

#include <bit>
#include <filesystem>

#include "platform/file_util.h"
#include "platform/text_codec.h"

namespace tavrel {

namespace {

unsigned Byte(std::string_view bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]);
}

std::int16_t Int16At(std::string_view bytes, std::size_t offset) {
    return static_cast<std::int16_t>(Byte(bytes, offset) | (Byte(bytes, offset + 1) << 8));
}

float FloatAt(std::string_view bytes, std::size_t offset) {
    const std::uint32_t bits = Byte(bytes, offset) | (Byte(bytes, offset + 1) << 8) |
                               (Byte(bytes, offset + 2) << 16) |
                               (static_cast<std::uint32_t>(Byte(bytes, offset + 3)) << 24);
    return std::bit_cast<float>(bits);
}

// A GBK field up to its first NUL, or the whole field when it has none.
std::string TextAt(std::string_view bytes, std::size_t offset, std::size_t size) {
    std::string_view field = bytes.substr(offset, size);
    field = field.substr(0, field.find('\0'));
    return GbkToUtf8(field);
}

}  // namespace

bool DecodeLegacyRecord(std::string_view bytes, TLegacyRecord& record) {
    if (bytes.size() != kLegacyRecordSize || bytes[4] != 0) return false;
    record.name = TextAt(bytes, 5, 11);
    record.className = TextAt(bytes, 16, 14);
    record.year = Int16At(bytes, 30);
    record.month = Int16At(bytes, 32);
    record.day = Int16At(bytes, 34);
    record.hour = Int16At(bytes, 36);
    record.minute = Int16At(bytes, 38);
    record.isLunar = static_cast<std::uint8_t>(Byte(bytes, 40));
    record.isLeapMonth = static_cast<std::uint8_t>(Byte(bytes, 41));
    record.isMale = static_cast<std::uint8_t>(Byte(bytes, 42));
    record.provinceIndex = Int16At(bytes, 44);
    record.cityIndex = Int16At(bytes, 46);
    record.zone = static_cast<std::int8_t>(Byte(bytes, 48));
    record.longitude = FloatAt(bytes, 52);
    record.latitude = FloatAt(bytes, 56);
    record.placeName = TextAt(bytes, 68, 51);
    record.remarkFile = TextAt(bytes, 119, 33);
    return true;
}

void MDataBase::OpenFile(const std::string& programFolder) {
    path_ = programFolder + "/dat/tavrel.dat";
}

int MDataBase::GetCount() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(path_, error);
    return error ? 0 : static_cast<int>(size / kLegacyRecordSize);
}

bool MDataBase::BeginRead() {
    auto bytes = ReadFileBytes(path_);
    if (!bytes) return false;
    bytes_ = std::move(*bytes);
    count_ = static_cast<int>(bytes_.size() / kLegacyRecordSize);
    return true;
}

bool MDataBase::ReadRecord(int index, TLegacyRecord& record) const {
    if (index < 0 || index >= count_) return false;
    return DecodeLegacyRecord(
        std::string_view(bytes_).substr(static_cast<std::size_t>(index) * kLegacyRecordSize,
                                        kLegacyRecordSize),
        record);
}

void MDataBase::EndRead() {
    bytes_.clear();
    count_ = 0;
}

}  // namespace tavrel
