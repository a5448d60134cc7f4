#include "records/case_columns.h"
#include "records/case_store_internal.h"

namespace tavrel {

namespace {

constexpr const char* kSelectCase = "select * from case_data where id=?;";
constexpr const char* kInsertCase =
    "insert into case_data values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);";
constexpr const char* kUpdatePrimaryId = "update case_extra set primaryId=?;";
constexpr const char* kUpdateCase =
    "update case_data set name=?, sex=?, className=?, dateY=?, dateNum=?, dateStyle=?, "
    "addrInd=?, addrName=?, addrNum=?, remarkFile=?, tag1=?, tag2=?, remarkText=? where id=?;";
constexpr const char* kDeleteCase = "delete from case_data where id = ?;";

}  // namespace

bool MRecordBase::ReadCaseBatch(std::int32_t id, TRecordData& record) {
    bool found = false;
    const bool ok = connection_.ForEachRow(kSelectCase, {std::int64_t{id}},
                                           [&](const auto& names, const auto& cells) {
                                               if (found) return;
                                               record = CaseOfCells(CaseCellsOfRow(names, cells));
                                               found = true;
                                           });
    if (!ok) {
        lastError_ = connection_.LastError();
        return false;
    }
    return found;
}

bool MRecordBase::ReadCase(std::int32_t id, TRecordData& record) {
    return Single(false, [&] { return ReadCaseBatch(id, record); });
}

// Inserts the row and moves primaryId on, inside the transaction the caller has begun.
std::int32_t MRecordBase::InsertRow(TRecordData& record) {
    const std::int32_t id = lastId_ + 1;
    std::vector<SqlValue> values = CaseColumnValues(record);
    values.insert(values.begin(), std::int64_t{id});
    if (!connection_.ExecSql(kInsertCase, values)) {
        lastError_ = "无法保存案例！";
        return -1;
    }
    record.id = id;
    lastId_ = id;
    if (!connection_.ExecSql(kUpdatePrimaryId, {std::int64_t{id}})) {
        lastError_ = "无法更新主键id！";
        return -1;
    }
    return id;
}

std::int32_t MRecordBase::InsertCaseBatch(TRecordData& record) {
    if (!connection_.InTransaction()) {
        lastError_ = "无法保存案例！";
        return -1;
    }
    return InsertRow(record);
}

std::int32_t MRecordBase::InsertCase(TRecordData& record) {
    if (inBatch_) return InsertCaseBatch(record);
    return Single<std::int32_t>(-1, [&]() -> std::int32_t {
        // The row and the new primaryId reach the file together or not at all, so an id is
        // never handed out twice.
        const std::int32_t before = lastId_;
        if (!connection_.Begin(true)) {
            lastError_ = "无法保存案例！";
            return -1;
        }
        const std::int32_t id = InsertRow(record);
        if (id != -1 && connection_.Commit()) return id;
        if (id != -1) lastError_ = "无法保存案例！";
        connection_.Rollback();
        lastId_ = before;
        record.id = 0;
        return -1;
    });
}

bool MRecordBase::UpdateCaseBatch(std::int32_t id, const TRecordData& record) {
    std::vector<SqlValue> values = CaseColumnValues(record);
    values.push_back(std::int64_t{id});
    if (!connection_.InTransaction() || !connection_.ExecSql(kUpdateCase, values)) {
        lastError_ = "无法修改案例！";
        return false;
    }
    return true;
}

bool MRecordBase::UpdateCase(std::int32_t id, const TRecordData& record) {
    if (inBatch_) return UpdateCaseBatch(id, record);
    return Single(false, [&] {
        std::vector<SqlValue> values = CaseColumnValues(record);
        values.push_back(std::int64_t{id});
        if (connection_.ExecSql(kUpdateCase, values)) return true;
        lastError_ = "无法修改案例！";
        return false;
    });
}

bool MRecordBase::DeleteCaseBatch(std::int32_t id) {
    if (!connection_.InTransaction() || !connection_.ExecSql(kDeleteCase, {std::int64_t{id}})) {
        lastError_ = "无法删除案例！";
        return false;
    }
    return true;
}

bool MRecordBase::DeleteCase(std::int32_t id) {
    if (inBatch_) return DeleteCaseBatch(id);
    return Single(false, [&] {
        if (connection_.ExecSql(kDeleteCase, {std::int64_t{id}})) return true;
        lastError_ = "无法删除案例！";
        return false;
    });
}

}  // namespace tavrel
