// The embedded engine: one SQLite database file per directory, in WAL mode, with record locks
// in a lock file beside it.

#include <sqlite3.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "store/backend.h"
#include "store/kill_point.h"
#include "store/ofd_lock_file.h"

namespace orvant::store {
namespace {

constexpr const char* kDatabaseFile = "/orvant.sqlite3";
constexpr const char* kLockFile = "/orvant.locks";
constexpr const char* kSessionFile = "/orvant.sessions";
constexpr int kBusyTimeoutMs = 120000;

[[noreturn]] void raise(sqlite3* db, int rc, const std::string& context)
{
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    int code = errc::kEngine;
    if (extended == SQLITE_CONSTRAINT_PRIMARYKEY || extended == SQLITE_CONSTRAINT_UNIQUE) {
        code = errc::kKeyViolation;
    } else if (extended == SQLITE_CONSTRAINT_NOTNULL) {
        code = errc::kRequiredField;
    } else if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED) {
        code = errc::kBusy;
    } else if ((rc & 0xFF) == SQLITE_FULL) {
        code = errc::kDiskFull;
    }
    StoreError error({{errc::kEngine, context + ": " + message}, {code, describeErrorCode(code)}});
    if (code == errc::kEngine) error = StoreError(errc::kEngine, context + ": " + message);
    throw error;
}

const char* sqliteType(const FieldDef& f)
{
    switch (f.type) {
    case FieldType::String: return "VARCHAR";
    case FieldType::Integer: return "INTEGER";
    case FieldType::SmallInt: return "SMALLINT";
    case FieldType::Float: return "DOUBLE";
    case FieldType::Money: return "MONEY";
    case FieldType::Boolean: return "BOOLEAN";
    case FieldType::Date: return "DATE";
    case FieldType::Timestamp: return "TIMESTAMP";
    case FieldType::Memo: return "TEXT";
    case FieldType::Bytes: return "BLOB";
    case FieldType::AutoInc: return "INTEGER";
    }
    return "TEXT";
}

// SQLite may end a transaction by itself after an error (a full disk, an I/O error): the
// connection is then back in autocommit mode, and any later statement of the caller's
// transaction would be committed on its own. The watch refuses those statements instead, so a
// document is never written in part.
struct TransactionWatch {
    sqlite3* db = nullptr;
    bool open = false;  // the caller's transaction, begun and not yet ended

    void check() const
    {
        if (open && sqlite3_get_autocommit(db))
            throw StoreError(errc::kTransactionAborted,
                             "The database ended the transaction after an earlier error; nothing of it was kept.");
    }
};

class SqliteStatement final : public Statement {
public:
    SqliteStatement(sqlite3* db, const TransactionWatch& watch, const std::string& sql) : db_(db), watch_(watch)
    {
        const int rc = sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                          &stmt_, nullptr);
        if (rc != SQLITE_OK) raise(db, rc, "Preparing \"" + sql + "\"");
    }
    ~SqliteStatement() override { sqlite3_finalize(stmt_); }

    void bind(int index, const Value& value) override
    {
        const int i = index + 1;
        int rc = SQLITE_OK;
        std::visit([&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Null>) rc = sqlite3_bind_null(stmt_, i);
            else if constexpr (std::is_same_v<T, std::int64_t>) rc = sqlite3_bind_int64(stmt_, i, v);
            else if constexpr (std::is_same_v<T, double>) rc = sqlite3_bind_double(stmt_, i, v);
            else if constexpr (std::is_same_v<T, std::string>)
                rc = sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
            else if constexpr (std::is_same_v<T, Money>) rc = sqlite3_bind_int64(stmt_, i, v.raw());
            else if constexpr (std::is_same_v<T, Date> || std::is_same_v<T, DateTime>) {
                const std::string iso = v.toIso();
                rc = sqlite3_bind_text(stmt_, i, iso.data(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
            } else if constexpr (std::is_same_v<T, bool>) rc = sqlite3_bind_int(stmt_, i, v ? 1 : 0);
        }, value.storage());
        if (rc != SQLITE_OK) raise(db_, rc, "Binding a parameter");
    }

    void bindBytes(int index, const std::string& bytes) override
    {
        const int rc = sqlite3_bind_blob(stmt_, index + 1, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
        if (rc != SQLITE_OK) raise(db_, rc, "Binding a parameter");
    }

    bool step() override
    {
        if (!sqlite3_stmt_busy(stmt_)) {
            KillPoint();
            watch_.check();
        }
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) {
            changes_ = sqlite3_changes64(db_);
            return false;
        }
        sqlite3_reset(stmt_);
        raise(db_, rc, "Running \"" + std::string(sqlite3_sql(stmt_)) + "\"");
    }

    void reset() override { sqlite3_reset(stmt_); }
    void clearBindings() override { sqlite3_clear_bindings(stmt_); }

    int columnCount() const override { return sqlite3_column_count(stmt_); }
    std::string columnName(int index) const override { return sqlite3_column_name(stmt_, index); }
    std::int64_t changes() const override { return changes_; }

    Value column(int index, FieldType type) const override
    {
        Value value;
        readColumn(index, type, value);
        return value;
    }

    // The column's value is fetched once and read with the value functions: each column
    // function would fetch it again.
    void readColumn(int index, FieldType type, Value& into) const override
    {
        sqlite3_value* v = sqlite3_column_value(stmt_, index);
        if (sqlite3_value_type(v) == SQLITE_NULL) {
            into = Value();
            return;
        }
        switch (type) {
        case FieldType::String:
        case FieldType::Memo:
        case FieldType::Bytes: into.setText(bytesOf(v)); return;
        case FieldType::Integer:
        case FieldType::SmallInt:
        case FieldType::AutoInc: into = static_cast<std::int64_t>(sqlite3_value_int64(v)); return;
        case FieldType::Float: into = sqlite3_value_double(v); return;
        case FieldType::Money: into = Money::fromRaw(sqlite3_value_int64(v)); return;
        case FieldType::Boolean: into = sqlite3_value_int(v) != 0; return;
        case FieldType::Date: into = Value::dateFromText(bytesOf(v)); return;
        case FieldType::Timestamp: into = Value::timestampFromText(bytesOf(v)); return;
        }
        into = Value();
    }

    Value column(int index) const override
    {
        const char* declared = sqlite3_column_decltype(stmt_, index);
        if (declared && sqlite3_column_type(stmt_, index) != SQLITE_NULL) {
            if (std::strcmp(declared, "DATE") == 0) return column(index, FieldType::Date);
            if (std::strcmp(declared, "TIMESTAMP") == 0) return column(index, FieldType::Timestamp);
            if (std::strcmp(declared, "BOOLEAN") == 0) return column(index, FieldType::Boolean);
        }
        switch (sqlite3_column_type(stmt_, index)) {
        case SQLITE_INTEGER: return static_cast<std::int64_t>(sqlite3_column_int64(stmt_, index));
        case SQLITE_FLOAT: return sqlite3_column_double(stmt_, index);
        case SQLITE_NULL: return {};
        default: return text(index);
        }
    }

private:
    static std::string_view bytesOf(sqlite3_value* v)
    {
        const auto* p = static_cast<const char*>(sqlite3_value_blob(v));
        return std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
    }
    std::string text(int index) const { return std::string(bytesOf(sqlite3_column_value(stmt_, index))); }

    sqlite3* db_;
    const TransactionWatch& watch_;
    sqlite3_stmt* stmt_ = nullptr;
    std::int64_t changes_ = 0;
};

class SqliteConnection final : public Connection {
public:
    // Without `create`, a directory without its database file is an error naming it: a wrong
    // path never turns into an empty database.
    SqliteConnection(const std::string& directory, bool create) : locks_(directory + kLockFile), sessions_(directory + kSessionFile)
    {
        namespace fs = std::filesystem;
        std::error_code ec;
        if (create) fs::create_directories(directory, ec);
        if (!fs::is_directory(directory, ec))
            throw StoreError(errc::kDirectoryNotFound, "Directory not found: " + directory);
        const std::string file = directory + kDatabaseFile;
        if (!create && !fs::exists(file, ec))
            throw StoreError(errc::kDirectoryNotFound, "No database in " + directory + " (" + file + " is missing)");
        const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
        const int rc = sqlite3_open_v2(file.c_str(), &db_, flags, nullptr);
        if (rc != SQLITE_OK) {
            std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
            sqlite3_close(db_);
            throw StoreError(errc::kConnection, "Cannot open " + file + ": " + message);
        }
        watch_.db = db_;
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        try {
            requirePragma("journal_mode", "WAL", "wal");
            requirePragma("synchronous", "FULL", "2");
        } catch (...) {
            sqlite3_close_v2(db_);
            throw;
        }
    }
    ~SqliteConnection() override
    {
        for (sqlite3_stmt* stmt : {begin_, commit_, rollback_}) sqlite3_finalize(stmt);
        sqlite3_close_v2(db_);
    }

    std::unique_ptr<Statement> prepare(const std::string& sql) override
    {
        return std::make_unique<SqliteStatement>(db_, watch_, sql);
    }

    void execute(const std::string& sql) override
    {
        watch_.check();
        run(sql);
    }

    void begin() override
    {
        runOwn(begin_, "BEGIN IMMEDIATE");
        watch_.open = true;
    }
    // A refused commit may leave the transaction open; the caller rolls it back.
    void commit() override
    {
        watch_.check();
        runOwn(commit_, "COMMIT");
        watch_.open = false;
    }
    void rollback() override
    {
        watch_.open = false;
        if (!sqlite3_get_autocommit(db_)) runOwn(rollback_, "ROLLBACK");
    }
    bool needsSavepointPerWrite() const override { return false; }

    bool tableExists(const std::string& sqlName) override
    {
        auto st = prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
        st->bind(0, sqlName);
        return st->step();
    }

    std::vector<StoredColumn> storedColumns(const std::string& sqlName) override
    {
        std::vector<StoredColumn> columns;
        auto st = prepare("SELECT lower(name) FROM pragma_table_info(?)");
        st->bind(0, sqlName);
        while (st->step()) columns.push_back({st->column(0, FieldType::String).asString(), 0});
        return columns;
    }
    // Added columns take no NOT NULL: the engine would want a default for the rows already there.
    std::string addColumnSql(const std::string& sqlName, const FieldDef& field) const override
    {
        return "ALTER TABLE " + quoteIdent(sqlName) + " ADD COLUMN " + quoteIdent(field.name) + " " + sqliteType(field);
    }
    std::optional<std::string> widenColumnSql(const std::string&, const FieldDef&) const override { return std::nullopt; }
    int layoutVersion() override
    {
        auto st = prepare("PRAGMA user_version");
        return st->step() ? static_cast<int>(st->column(0, FieldType::Integer).asInt()) : 0;
    }
    void lockLayout() override {}  // BEGIN IMMEDIATE holds the database already
    void setLayoutVersion(int version) override { execute("PRAGMA user_version = " + std::to_string(version)); }

    std::vector<std::string> createTableSql(const TableDef& def, const std::string& sqlName) const override
    {
        std::string sql = "CREATE TABLE " + quoteIdent(sqlName) + " (";
        for (const auto& f : def.fields) {
            sql += quoteIdent(f.name) + " " + sqliteType(f);
            if (f.required || f.type == FieldType::AutoInc) sql += " NOT NULL";
            sql += ", ";
        }
        if (def.primaryKey.empty()) {
            sql += "orv_rowid INTEGER PRIMARY KEY)";
        } else {
            sql += "PRIMARY KEY (";
            for (std::size_t i = 0; i < def.primaryKey.size(); ++i)
                sql += (i ? ", " : "") + quoteIdent(def.primaryKey[i]);
            sql += ")) WITHOUT ROWID";
        }
        std::vector<std::string> out{sql};
        for (const auto& index : def.indexes) {
            std::string columns;
            for (const auto& field : index.fields) columns += (columns.empty() ? "" : ", ") + quoteIdent(field);
            out.push_back(std::string("CREATE ") + (index.unique ? "UNIQUE " : "") + "INDEX " +
                          quoteIdent(sqlName + "_" + index.name) + " ON " + quoteIdent(sqlName) + " (" + columns + ")");
        }
        for (const auto& f : def.fields) {
            if (f.type == FieldType::AutoInc)  // so the next number is found without a scan
                out.push_back("CREATE INDEX " + quoteIdent(sqlName + "_" + f.name + "_seq") + " ON " +
                              quoteIdent(sqlName) + " (" + quoteIdent(f.name) + ")");
        }
        return out;
    }

    std::string orderTerm(const std::string& quotedColumn, bool descending, bool) const override
    {
        return descending ? quotedColumn + " DESC" : quotedColumn;
    }

    std::optional<std::string> nextAutoIncSql(const std::string& sqlTable, const std::string& quotedColumn) const override
    {
        // Writers are serialised, so the highest number plus one is never given twice.
        return "SELECT COALESCE(MAX(" + quotedColumn + "), 0) + 1 FROM " + quoteIdent(sqlTable);
    }

    // A refused statement leaves an SQLite transaction as it was. No RETURNING: SQLite would
    // buffer the returned rows in a temporary table and journal the statement.
    std::string insertSql(const std::string& quotedTable, const std::string& columns, const std::string& values,
                          const std::string&) const override
    {
        return "INSERT INTO " + quotedTable + " (" + columns + ") VALUES (" + values + ")";
    }

    std::unique_ptr<LockHandle> tryLock(std::uint64_t key, const LockHolder& me) override
    {
        return locks_.tryLock(key, me);
    }
    std::optional<LockHolder> lockHolder(std::uint64_t key) override { return locks_.holder(key); }

    std::unique_ptr<LockHandle> tryLockSession(int number, const LockHolder& me) override
    {
        return sessions_.tryLock(static_cast<std::uint64_t>(number), me);
    }

private:
    void run(const std::string& sql)
    {
        KillPoint();
        char* error = nullptr;
        const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
        if (rc != SQLITE_OK) {
            sqlite3_free(error);
            raise(db_, rc, "Running \"" + sql + "\"");
        }
    }

    // Runs one of the transaction's own statements, prepared the first time: parsing it again at
    // every posting would cost more than running it.
    void runOwn(sqlite3_stmt*& stmt, const char* sql)
    {
        KillPoint();
        if (!stmt) {
            const int rc = sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
            if (rc != SQLITE_OK) raise(db_, rc, "Preparing \"" + std::string(sql) + "\"");
        }
        const int rc = sqlite3_step(stmt);
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE) raise(db_, rc, "Running \"" + std::string(sql) + "\"");
    }

    // Sets a pragma and reads back what the database took: a setting quietly refused (WAL
    // where the file system cannot share memory, for one) would void what the store relies on.
    void requirePragma(const std::string& name, const std::string& value, const std::string& taken)
    {
        run("PRAGMA " + name + " = " + value);
        SqliteStatement read(db_, watch_, "PRAGMA " + name);
        const std::string now = read.step() ? read.column(0, FieldType::String).asString() : std::string();
        if (now != taken)
            throw StoreError(errc::kConnection, "The database " + std::string(sqlite3_db_filename(db_, "main")) + " keeps " + name +
                                                    " " + now + " where " + value + " is needed");
    }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* begin_ = nullptr;
    sqlite3_stmt* commit_ = nullptr;
    sqlite3_stmt* rollback_ = nullptr;
    TransactionWatch watch_;
    OfdLockFile locks_;
    OfdLockFile sessions_;
};

}  // namespace

std::unique_ptr<Connection> connectSqlite(const std::string& directory, bool create)
{
    // The engine's memory statistics take a mutex of the whole process at every allocation, and
    // nothing here reads them. They can be left out only before the engine's first use in the
    // process; afterwards the engine refuses the change and keeps them.
    static const int withoutStatistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    (void)withoutStatistics;
    return std::make_unique<SqliteConnection>(directory, create);
}

}  // namespace orvant::store
