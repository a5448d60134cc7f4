#include "records/record_data.h"

#include <utility>

namespace tavrel {

TRecordData CaseOfChartRequest(const TChartRequest& request, std::string className,
                               std::string remarkText, std::string remarkFile) {
    TRecordData record;
    record.request = request;
    record.className = std::move(className);
    record.remarkText = std::move(remarkText);
    record.remarkFile = std::move(remarkFile);
    return record;
}

}  // namespace tavrel
