#pragma once

#include "records/case_store.h"

namespace tavrel {

inline constexpr const char* kOpenFailed = "无法创建或者打开数据库！";

template <typename Result, typename Operation>
Result MRecordBase::Single(Result failure, Operation operation) {
    if (inBatch_) return operation();
    if (connection_.Open(databasePath_) != 0) {
        lastError_ = kOpenFailed;
        return failure;
    }
    const Result result = operation();
    connection_.Close();
    return result;
}

}  // namespace tavrel
