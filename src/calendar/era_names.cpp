#include "calendar/era_names.h"

#include <cstring>
#include <string_view>

#include "calendar/tables/era_table.h"
#include "platform/text_codec.h"

namespace tavrel {

namespace {

// A zero-padded GBK field as UTF-8; a field filled to the last byte ends there.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return GbkToUtf8(std::string_view(field, strnlen(field, N)));
}

}  // namespace

std::string obb_class::EraNames(int year) const {
    std::string text;
    for (const EraRecord& row : EraTable) {
        if (year < row.startYear || year >= row.startYear + row.yearCount) continue;
        text += text.empty() ? "[" : "；[";
        text += FieldText(row.dynasty) + "] " + FieldText(row.title) + " " +
                FieldText(row.personalName) + " " + FieldText(row.eraName) +
                std::to_string(year + row.yearOffset - row.startYear + 1) + "年";
    }
    return text;
}

}  // namespace tavrel
