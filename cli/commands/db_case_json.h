#pragma once

#include <string>

#include "json.h"
#include "records/record_data.h"

namespace tavrel::cli {

// {"id","name","male","year","month","day","hour","minute","lunar","leap","zone","province",
//  "city","lon","lat","place","category","comment","comment_file"}: years are display years,
// the zone is the UTC offset in hours.
Json CaseJson(const TRecordData& record);

// One line of the case list: id, name, category, date and time.
std::string CaseLine(const TRecordData& record);

// Every field of a case on its own line.
std::string CaseText(const TRecordData& record);

}  // namespace tavrel::cli
