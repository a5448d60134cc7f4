#pragma once

#include <vector>

#include "records/record_data.h"
#include "records/sqlite_connection.h"

namespace tavrel {

// The case_data columns after id, in table order: name, sex, className, dateY, dateNum,
// dateStyle, addrInd, addrName, addrNum, remarkFile, tag1, tag2, remarkText.
std::vector<SqlValue> CaseColumnValues(const TRecordData& record);

// Reads a case_data row; a missing, empty or malformed cell takes its column's default.
TRecordData CaseOfRow(const TMapValue& row);

}  // namespace tavrel
