#pragma once

#include "records/legacy_case_file.h"
#include "records/record_data.h"

namespace tavrel {

// A case made from an old record, its names cleaned; nameChanged tells whether the person's name
// had to be cleaned (the case then needs a comment file name of its own).
struct TConvertedCase {
    TRecordData record;
    bool nameChanged = false;
};

TConvertedCase CaseOfLegacyRecord(const TLegacyRecord& legacy);

}  // namespace tavrel
