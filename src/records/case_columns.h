#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "records/record_data.h"
#include "records/sqlite_connection.h"

namespace tavrel {

// The case_data columns after id, in table order: name, sex, className, dateY, dateNum,
// dateStyle, addrInd, addrName, addrNum, remarkFile, tag1, tag2, remarkText.
std::vector<SqlValue> CaseColumnValues(const TRecordData& record);

// The case_data columns in table order.
inline constexpr std::size_t kCaseColumnCount = 14;
extern const char* const kCaseColumns[kCaseColumnCount];

// The cells of a case_data row in table order, found by column name; a missing column is "".
using CaseCells = std::array<std::string_view, kCaseColumnCount>;
CaseCells CaseCellsOfRow(const std::vector<std::string_view>& names,
                         const std::vector<std::string_view>& cells);

// Reads a case_data row; a missing, empty or malformed cell takes its column's default.
TRecordData CaseOfCells(const CaseCells& cells);
TRecordData CaseOfRow(const TMapValue& row);

}  // namespace tavrel
