#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "records/case_names.h"
#include "records/case_store_internal.h"

namespace tavrel {

namespace {

// The statements of the original format, so databases of either program open in the other.
constexpr const char* kCreateCaseData =
    "create table case_data(id integer primary key,name char(20),sex integer,className "
    "char(20),dateY integer,dateNum char(30),dateStyle char(5),addrInd char(30),addrName "
    "varchar(150),addrNum char(40),remarkFile char(50),tag1 varchar(100),tag2 "
    "varchar(100),remarkText text);";
constexpr const char* kCreateCaseExtra =
    "create table case_extra(PlatformId,verCode,primaryId,className,baseType);";
constexpr const char* kInsertCaseExtra =
    "insert into case_extra(PlatformId,verCode,primaryId,className,baseType) values (?, ?, ?, "
    "?, ?);";

}  // namespace

const std::vector<std::string>& DefaultCategories() {
    static const std::vector<std::string> kCategories{
        "家人",     "亲戚朋友", "富商巨贾", "政界名人", "社会名流",
        "影视明星", "命理学者", "IT名人",   "宗教人士", "历史人物",
        "军事家",   "文学家",   "科学家",   "刑事犯罪", "临时保存"};
    return kCategories;
}

bool MRecordBase::CreateCaseData() {
    if (connection_.ExecSql(kCreateCaseData)) return true;
    lastError_ = "无法创建数据主表！";
    return false;
}

bool MRecordBase::CreateCaseExtra() {
    if (!connection_.ExecSql(kCreateCaseExtra)) {
        lastError_ = "无法创建额外表！";
        return false;
    }
    if (!connection_.ExecSql(kInsertCaseExtra,
                             {std::int64_t{0}, std::int64_t{1000}, std::int64_t{lastId_},
                              JoinItems(DefaultCategories()), std::string(kBaseType)})) {
        lastError_ = "无法往额外表写入数据！";
        return false;
    }
    return true;
}

bool MRecordBase::OpenExisting() {
    if (connection_.Open(databasePath_) != 0) {
        lastError_ = kOpenFailed;
        return false;
    }
    // A file that is not a database, or a damaged one, is left as it is: no table is created in
    // it.
    TContentValues rows;
    if (!connection_.GetTable("select name from sqlite_master where type='table';", {}, rows)) {
        lastError_ = kOpenFailed;
        connection_.Close();
        return false;
    }
    if (!connection_.TableExists("case_data")) CreateCaseData();
    if (!connection_.TableExists("case_extra")) CreateCaseExtra();
    connection_.Close();
    return true;
}

bool MRecordBase::CreateNew() {
    if (connection_.Open(databasePath_) != 0) {
        lastError_ = kOpenFailed;
        return false;
    }
    const bool ready = CreateCaseData() && CreateCaseExtra();
    connection_.Close();
    return ready;
}

int MRecordBase::Open(const std::string& databasePath, const std::string& programFolder,
                      bool convertLegacy) {
    if (inBatch_) EndBatch();
    databasePath_ = databasePath;
    programFolder_ = programFolder;
    lastError_.clear();
    lastId_ = 0;
    std::error_code error;
    const bool exists = std::filesystem::exists(databasePath_, error);
    if (!(exists ? OpenExisting() : CreateNew())) return -1;
    const std::int32_t primaryId = ReadPrimaryId();
    if (primaryId == -1) return -1;
    lastId_ = primaryId;
    return convertLegacy ? ConvertLegacy() : 0;
}

bool MRecordBase::BeginBatch() {
    if (inBatch_) return true;
    if (connection_.Open(databasePath_) != 0) {
        lastError_ = kOpenFailed;
        return false;
    }
    if (!connection_.Begin(false)) {
        lastError_ = connection_.LastError();
        connection_.Close();
        return false;
    }
    inBatch_ = true;
    batchStartId_ = lastId_;
    return true;
}

bool MRecordBase::EndBatch() {
    if (!inBatch_) return true;
    inBatch_ = false;
    const bool committed = connection_.Commit();
    connection_.Close();
    if (!committed) {
        lastId_ = batchStartId_;
        lastError_ = "无法保存案例！";
    }
    return committed;
}

std::int32_t MRecordBase::ReadPrimaryId() {
    return Single<std::int32_t>(-1, [&]() -> std::int32_t {
        TContentValues rows;
        if (!connection_.GetTable("select primaryId from case_extra", {}, rows)) {
            lastError_ = connection_.LastError();
            return -1;
        }
        std::int32_t id = -1;
        if (!rows.empty()) {
            const std::string& cell = rows.front()["primaryId"];
            char* end = nullptr;
            const long value = std::strtol(cell.c_str(), &end, 10);
            if (!cell.empty() && *end == '\0' && value >= -1 && value <= INT32_MAX) {
                id = static_cast<std::int32_t>(value);
            }
        }
        if (id == -1) lastError_ = "无法读取额外表的主键id！";
        return id;
    });
}

bool MRecordBase::IsBaseType(std::string_view expected) {
    return Single(false, [&] {
        TContentValues rows;
        if (!connection_.GetTable("select baseType from case_extra;", {}, rows)) {
            lastError_ = connection_.LastError();
            return false;
        }
        return !rows.empty() && rows.front()["baseType"] == expected;
    });
}

}  // namespace tavrel
