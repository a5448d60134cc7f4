#include "records/case_names.h"
#include "records/case_store_internal.h"

namespace tavrel {

bool MRecordBase::ReadCategories(std::vector<std::string>& categories) {
    return Single(false, [&] {
        TContentValues rows;
        if (!connection_.GetTable("select className from case_extra;", {}, rows)) {
            lastError_ = connection_.LastError();
            return false;
        }
        if (rows.empty()) return false;
        categories = SplitItems(rows.front()["className"]);
        return true;
    });
}

bool MRecordBase::WriteCategories(const std::vector<std::string>& categories) {
    return Single(false, [&] {
        if (connection_.ExecSql("update case_extra set className=?;", {JoinItems(categories)})) {
            return true;
        }
        lastError_ = "无法更新案例类别！";
        return false;
    });
}

bool MRecordBase::AddCategory(const std::string& name) {
    std::vector<std::string> categories;
    if (!ReadCategories(categories)) return false;
    if (ContainsName(categories, name)) {
        lastError_ = "数据库已经有这个类别！";
        return false;
    }
    categories.push_back(name);
    return WriteCategories(categories);
}

}  // namespace tavrel
