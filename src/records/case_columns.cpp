#include "records/case_columns.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "platform/string_util.h"
#include "records/case_names.h"

namespace tavrel {

namespace {

std::optional<long long> ParseInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseReal(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

template <typename Int>
Int IntegerOr(std::string_view text, Int fallback) {
    const auto value = ParseInteger(text);
    if (!value || *value < std::numeric_limits<Int>::min() ||
        *value > std::numeric_limits<Int>::max()) {
        return fallback;
    }
    return static_cast<Int>(*value);
}

float RealOr(std::string_view text, float fallback) {
    const auto value = ParseReal(text);
    return value ? static_cast<float>(*value) : fallback;
}

// Item i of the split cell, or nullopt when the cell has fewer items.
std::optional<std::string_view> Item(const std::vector<std::string>& items, std::size_t i) {
    if (i >= items.size()) return std::nullopt;
    return items[i];
}

// Coordinates are written with six decimals whatever the process locale is.
std::string FixedSix(float value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(
        buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed, 6);
    return error == std::errc() ? std::string(buffer, end) : std::string("0.000000");
}

enum Column {
    kId,
    kName,
    kSex,
    kClassName,
    kDateY,
    kDateNum,
    kDateStyle,
    kAddrInd,
    kAddrName,
    kAddrNum,
    kRemarkFile,
    kTag1,
    kTag2,
    kRemarkText
};

}  // namespace

const char* const kCaseColumns[kCaseColumnCount] = {
    "id",      "name",     "sex",     "className",  "dateY", "dateNum", "dateStyle",
    "addrInd", "addrName", "addrNum", "remarkFile", "tag1",  "tag2",    "remarkText"};

CaseCells CaseCellsOfRow(const std::vector<std::string_view>& names,
                         const std::vector<std::string_view>& cells) {
    CaseCells out{};
    for (std::size_t c = 0; c < names.size() && c < cells.size(); ++c) {
        // Columns usually come in table order, so the first guess is right.
        if (c < kCaseColumnCount && names[c] == kCaseColumns[c]) {
            out[c] = cells[c];
            continue;
        }
        for (std::size_t k = 0; k < kCaseColumnCount; ++k) {
            if (names[c] == kCaseColumns[k]) out[k] = cells[c];
        }
    }
    return out;
}

std::vector<SqlValue> CaseColumnValues(const TRecordData& record) {
    const TChartRequest& r = record.request;
    std::string addrInd = std::to_string(r.provinceIndex) + ' ' + std::to_string(r.cityIndex);
    for (const std::int32_t extra : record.extraPlaces) {
        if (extra == -1) break;
        addrInd += ' ' + std::to_string(extra);
    }
    return {
        r.name,
        std::int64_t{r.isMale != 0 ? 1 : 0},
        record.className,
        std::int64_t{r.year},
        std::to_string(r.month) + ' ' + std::to_string(r.day) + ' ' + std::to_string(r.hour) + ' ' +
            std::to_string(r.minute),
        std::string(r.isLunar != 0 ? "1" : "0") + ' ' + (r.isLeapMonth != 0 ? "1" : "0"),
        addrInd,
        r.placeText,
        FixedSix(r.longitude) + ' ' + FixedSix(r.latitude) + ' ' + std::to_string(r.zone),
        record.remarkFile,
        std::string(" "),
        std::string(" "),
        record.remarkText,
    };
}

TRecordData CaseOfRow(const TMapValue& row) {
    CaseCells cells{};
    for (std::size_t k = 0; k < kCaseColumnCount; ++k) {
        const auto found = row.find(kCaseColumns[k]);
        if (found != row.end()) cells[k] = found->second;
    }
    return CaseOfCells(cells);
}

TRecordData CaseOfCells(const CaseCells& cells) {
    TRecordData record;
    TChartRequest& r = record.request;
    record.id = IntegerOr<std::int32_t>(cells[kId], 0);
    r.name = std::string(cells[kName]);

    const std::string_view sex = cells[kSex];
    r.isMale = sex.empty() || IntegerOr<long long>(sex, 0) == 1 ? 1 : 0;

    record.className = std::string(cells[kClassName]);
    if (record.className.empty()) record.className = kDefaultCategory;

    r.year = IntegerOr<std::int16_t>(cells[kDateY], 1900);

    const auto date = SplitItems(cells[kDateNum]);
    std::int16_t* dateFields[] = {&r.month, &r.day, &r.hour, &r.minute};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto item = Item(date, i);
        *dateFields[i] = item ? IntegerOr<std::int16_t>(*item, 1) : std::int16_t{1};
    }

    const auto style = SplitItems(cells[kDateStyle]);
    const auto flag = [&](std::size_t i) -> std::uint8_t {
        const auto item = Item(style, i);
        if (!item) return 0;
        return IntegerOr<long long>(*item, 1) == 1 ? 1 : 0;
    };
    r.isLunar = flag(0);
    r.isLeapMonth = flag(1);

    const auto place = SplitItems(cells[kAddrInd]);
    const auto index = [&](std::size_t i) -> std::int16_t {
        const auto item = Item(place, i);
        return item ? IntegerOr<std::int16_t>(*item, 0) : std::int16_t{0};
    };
    r.provinceIndex = index(0);
    r.cityIndex = index(1);
    for (std::size_t i = 0; i < record.extraPlaces.size(); ++i) {
        const auto item = Item(place, i + 2);
        if (item) record.extraPlaces[i] = IntegerOr<std::int32_t>(*item, -1);
    }

    r.placeText = std::string(cells[kAddrName]);

    const auto coordinates = SplitItems(cells[kAddrNum]);
    const auto c0 = Item(coordinates, 0);
    const auto c1 = Item(coordinates, 1);
    const auto c2 = Item(coordinates, 2);
    r.longitude = c0 ? RealOr(*c0, 0) : 120.0f;
    r.latitude = c1 ? RealOr(*c1, 0) : 30.0f;
    r.zone = c2 ? IntegerOr<std::uint8_t>(*c2, 8) : std::uint8_t{8};

    record.remarkFile = std::string(cells[kRemarkFile]);
    if (record.remarkFile.empty()) record.remarkFile = " ";
    record.remarkText = std::string(cells[kRemarkText]);
    if (record.remarkText.empty()) record.remarkText = kDefaultRemark;
    return record;
}

}  // namespace tavrel
