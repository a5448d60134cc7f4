// Any bytes read as old case records must decode, clean and store as a row without a crash, and
// the row must read back as the same birth entry.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records/case_columns.h"
#include "records/legacy_case_file.h"
#include "records/legacy_conversion.h"

namespace {

const char* const kColumns[] = {"name",      "sex",     "className", "dateY",   "dateNum",
                                "dateStyle", "addrInd", "addrName",  "addrNum", "remarkFile",
                                "tag1",      "tag2",    "remarkText"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::size_t at = 0; at + tavrel::kLegacyRecordSize <= bytes.size();
         at += tavrel::kLegacyRecordSize) {
        tavrel::TLegacyRecord old;
        if (!tavrel::DecodeLegacyRecord(bytes.substr(at, tavrel::kLegacyRecordSize), old)) {
            continue;
        }
        const tavrel::TRecordData record = tavrel::CaseOfLegacyRecord(old).record;
        const auto values = tavrel::CaseColumnValues(record);
        tavrel::TMapValue row;
        for (std::size_t i = 0; i < values.size(); ++i) {
            row[kColumns[i]] = values[i].kind == tavrel::SqlValue::Kind::kText
                                   ? values[i].text
                                   : std::to_string(values[i].integer);
        }
        const tavrel::TRecordData read = tavrel::CaseOfRow(row);
        if (read.request.name != record.request.name || read.request.year != record.request.year ||
            read.request.minute != record.request.minute ||
            read.request.zone != record.request.zone) {
            __builtin_trap();
        }
    }
    return 0;
}
