#include "records/sqlite_connection.h"

#include <sqlite3.h>

namespace tavrel {

namespace {

// How long a statement waits for another connection's lock before it gives up.
constexpr int kBusyTimeoutMs = 5000;

}  // namespace

SqliteConnection::~SqliteConnection() { Close(); }

int SqliteConnection::Open(const std::string& pathUtf8) {
    Close();
    const int rc = sqlite3_open_v2(pathUtf8.c_str(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        KeepSqliteMessage();
        sqlite3_close(db_);
        db_ = nullptr;
        return rc;
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    return SQLITE_OK;
}

void SqliteConnection::Close() {
    if (db_ == nullptr) return;
    if (inTransaction_) Rollback();
    transactionLost_ = false;
    for (auto& entry : statements_) sqlite3_finalize(entry.second);
    statements_.clear();
    sqlite3_close(db_);
    db_ = nullptr;
}

void SqliteConnection::KeepSqliteMessage() {
    lastError_ = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
}

sqlite3_stmt* SqliteConnection::Prepared(std::string_view sql) {
    if (db_ == nullptr) {
        lastError_ = "no open database";
        return nullptr;
    }
    const auto found = statements_.find(sql);
    if (found != statements_.end()) {
        sqlite3_reset(found->second);
        sqlite3_clear_bindings(found->second);
        return found->second;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) !=
            SQLITE_OK ||
        statement == nullptr) {
        KeepSqliteMessage();
        sqlite3_finalize(statement);
        return nullptr;
    }
    statements_.emplace(std::string(sql), statement);
    return statement;
}

bool SqliteConnection::Bind(sqlite3_stmt* statement, const std::vector<SqlValue>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const SqlValue& value = values[i];
        int rc = SQLITE_OK;
        switch (value.kind) {
            case SqlValue::Kind::kInteger:
                rc = sqlite3_bind_int64(statement, index, value.integer);
                break;
            case SqlValue::Kind::kReal:
                rc = sqlite3_bind_double(statement, index, value.real);
                break;
            case SqlValue::Kind::kText:
                // The length is given, so a NUL inside the text is kept rather than ending it.
                rc = sqlite3_bind_text64(statement, index, value.text.data(), value.text.size(),
                                         SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
        }
        if (rc != SQLITE_OK) {
            KeepSqliteMessage();
            return false;
        }
    }
    return true;
}

bool SqliteConnection::ExecSql(std::string_view sql, const std::vector<SqlValue>& values) {
    sqlite3_stmt* statement = Prepared(sql);
    if (statement == nullptr || !Bind(statement, values)) return false;
    int rc = sqlite3_step(statement);
    while (rc == SQLITE_ROW) rc = sqlite3_step(statement);
    if (rc != SQLITE_DONE) {
        KeepSqliteMessage();
        if (inTransaction_ && sqlite3_get_autocommit(db_) != 0) {
            inTransaction_ = false;
            transactionLost_ = true;
        }
    }
    sqlite3_reset(statement);
    return rc == SQLITE_DONE;
}

bool SqliteConnection::ForEachRow(
    std::string_view sql, const std::vector<SqlValue>& values,
    const std::function<void(const std::vector<std::string_view>& names,
                             const std::vector<std::string_view>& cells)>& row) {
    sqlite3_stmt* statement = Prepared(sql);
    if (statement == nullptr || !Bind(statement, values)) return false;
    int columns = 0;
    std::vector<std::string_view> names;
    std::vector<std::string_view> cells;
    int rc = sqlite3_step(statement);
    while (rc == SQLITE_ROW) {
        // Columns are taken after the first step: a step may prepare the statement anew (after
        // a change of the schema), which frees the names taken before it.
        if (names.empty()) {
            columns = sqlite3_column_count(statement);
            for (int c = 0; c < columns; ++c) names.emplace_back(sqlite3_column_name(statement, c));
            cells.resize(names.size());
        }
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            const int length = sqlite3_column_bytes(statement, c);
            cells[static_cast<std::size_t>(c)] =
                text != nullptr ? std::string_view(text, static_cast<std::size_t>(length))
                                : std::string_view();
        }
        row(names, cells);
        rc = sqlite3_step(statement);
    }
    if (rc != SQLITE_DONE) KeepSqliteMessage();
    sqlite3_reset(statement);
    return rc == SQLITE_DONE;
}

bool SqliteConnection::GetTable(std::string_view sql, const std::vector<SqlValue>& values,
                                TContentValues& rows) {
    rows.clear();
    const bool ok = ForEachRow(sql, values, [&](const auto& names, const auto& cells) {
        TMapValue map;
        for (std::size_t c = 0; c < names.size(); ++c) map[std::string(names[c])] = cells[c];
        rows.push_back(std::move(map));
    });
    if (!ok) rows.clear();
    return ok;
}

bool SqliteConnection::TableExists(std::string_view table) {
    TContentValues rows;
    return GetTable("select name from sqlite_master where type='table' and name=?;",
                    {std::string(table)}, rows) &&
           !rows.empty() && !rows.front().empty();
}

bool SqliteConnection::Begin(bool immediate) {
    if (inTransaction_) return true;
    if (transactionLost_) return false;
    inTransaction_ = ExecSql(immediate ? "begin immediate;" : "begin;");
    return inTransaction_;
}

bool SqliteConnection::Commit() {
    if (transactionLost_) return false;
    if (!inTransaction_) return true;
    if (ExecSql("commit;")) {
        inTransaction_ = false;
        return true;
    }
    const std::string message = lastError_;
    Rollback();
    lastError_ = message;
    return false;
}

void SqliteConnection::Rollback() {
    if (!inTransaction_) return;
    inTransaction_ = false;
    if (db_ != nullptr) sqlite3_exec(db_, "rollback;", nullptr, nullptr, nullptr);
}

}  // namespace tavrel
