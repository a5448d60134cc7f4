#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tavrel {

// One result row: column name (as SQLite reports it) to the cell's text; NULL reads as "".
using TMapValue = std::map<std::string, std::string>;
// The rows of one query in the order the query returned them.
using TContentValues = std::vector<TMapValue>;

// A value bound to a statement parameter. Values never become part of the statement text.
struct SqlValue {
    enum class Kind { kInteger, kReal, kText };
    SqlValue(std::int64_t value) : kind(Kind::kInteger), integer(value) {}
    SqlValue(double value) : kind(Kind::kReal), real(value) {}
    SqlValue(std::string value) : kind(Kind::kText), text(std::move(value)) {}

    Kind kind;
    std::int64_t integer = 0;
    double real = 0;
    std::string text;
};

// One SQLite connection. Every statement that carries a value is prepared and bound; prepared
// statements are kept for the life of the connection, so a batch of thousands of cases compiles
// each statement once.
class SqliteConnection {
  public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens (creating when missing) the database file; returns SQLite's result code, 0 = ok.
    int Open(const std::string& pathUtf8);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // Runs one statement that returns no rows; false on failure (the caller names the failure).
    bool ExecSql(std::string_view sql, const std::vector<SqlValue>& values = {});
    // Runs one query; on failure `lastError` holds SQLite's message.
    bool GetTable(std::string_view sql, const std::vector<SqlValue>& values, TContentValues& rows);
    // The same, handing each row's cells to `row` as views valid during the call (NULL reads as
    // ""), without building a map per row.
    bool ForEachRow(std::string_view sql, const std::vector<SqlValue>& values,
                    const std::function<void(const std::vector<std::string_view>& names,
                                             const std::vector<std::string_view>& cells)>& row);
    bool TableExists(std::string_view table);

    // One write transaction; Commit returns false (and rolls back) when it cannot be committed
    // or SQLite had to abandon it; Begin fails after that until the connection is reopened.
    // `immediate` takes the write lock at once; otherwise the transaction starts as a reader and
    // takes the lock at its first write, so a batch that only reads holds one shared lock
    // instead of taking and dropping it for every statement.
    bool Begin(bool immediate);
    bool Commit();
    void Rollback();
    bool InTransaction() const { return inTransaction_; }

    const std::string& LastError() const { return lastError_; }

  private:
    sqlite3_stmt* Prepared(std::string_view sql);
    bool Bind(sqlite3_stmt* statement, const std::vector<SqlValue>& values);
    void KeepSqliteMessage();

    sqlite3* db_ = nullptr;
    std::map<std::string, sqlite3_stmt*, std::less<>> statements_;
    bool inTransaction_ = false;
    // SQLite itself rolled the transaction back after an I/O, disk-full or memory error; the
    // rest of the batch must not be written outside it.
    bool transactionLost_ = false;
    std::string lastError_;
};

}  // namespace tavrel
