#pragma once
// What differs between the engines lives behind these two interfaces, one class each per engine
// (sqlite_backend.cpp, postgres_backend.cpp). The rest of the store never asks which engine runs.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/error.h"
#include "store/schema.h"
#include "store/value.h"

namespace orvant::store {

// What a write run later must change, and what its refusal says.
struct ExpectedChange {
    std::int64_t rows = -1;  // -1: any number
    int refusalCode = errc::kKeyViolation;
    std::string refusal;
};

// A prepared statement of one connection; "?" marks its parameters, bound by position from 0.
class Statement {
public:
    virtual ~Statement() = default;
    virtual void bind(int index, const Value& value) = 0;
    virtual void bindBytes(int index, const std::string& bytes) = 0;
    // Runs the statement on its first call, then moves to the next row: true while on a row.
    virtual bool step() = 0;
    // Ends the run so the statement can run again. Its bindings stay until bound again: a
    // caller binding every parameter at every run pays nothing to forget them.
    virtual void reset() = 0;
    // Forgets every binding: each parameter is null until bound.
    virtual void clearBindings() = 0;
    virtual int columnCount() const = 0;
    virtual std::string columnName(int index) const = 0;
    // The column read as a field of the given type.
    virtual Value column(int index, FieldType type) const = 0;
    // The same, read into `into`, whose text storage the engine may reuse.
    virtual void readColumn(int index, FieldType type, Value& into) const { into = column(index, type); }
    // The column read by what it holds, with the declared type where the engine knows it.
    virtual Value column(int index) const = 0;
    // Rows changed by the last run of an insert, update or delete.
    virtual std::int64_t changes() const = 0;
    // Runs a write whose answer nobody reads, inside a transaction that a refused write spoils.
    // An engine that can sends it with the connection's next round trip, written so that the
    // engine itself refuses it when it would not change `expected` (a duplicate key, no row to
    // update); the refusal then surfaces in that round trip, and the commit keeps nothing. This
    // engine runs it at once.
    virtual void runLater(const ExpectedChange& expected)
    {
        while (step()) {
        }
        if (expected.rows >= 0 && changes() != expected.rows) throw StoreError(expected.refusalCode, expected.refusal);
    }
};

// A column as a stored table has it: its name in lower case, and the width of a text column
// where the engine keeps one (0 otherwise).
struct StoredColumn {
    std::string name;
    int width = 0;
};

// A held record or session lock; destroying it releases the lock.
class LockHandle {
public:
    virtual ~LockHandle() = default;
    // Whether the lock is still held: a lock that lives on a server connection dies with it.
    virtual bool stillHeld() { return true; }
};

class Connection {
public:
    virtual ~Connection() = default;

    virtual std::unique_ptr<Statement> prepare(const std::string& sql) = 0;
    virtual void execute(const std::string& sql) = 0;
    // Runs a command with no answer worth waiting for (a savepoint) ahead of the next statement,
    // in that statement's round trip where the engine can. Its failure surfaces there.
    virtual void queue(const std::string& sql) { execute(sql); }
    // Sends what waits for the next round trip now (queued commands, writes run later).
    virtual void flush() {}

    // A write transaction; a second writer waits for the first rather than failing.
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    // Commits, then gives back the locks the transaction kept, in the commit's round trip where
    // the engine can. A lock given back leaves `locks`; the caller gives back the rest.
    virtual void commitThenRelease(std::vector<std::unique_ptr<LockHandle>>& /*locks*/) { commit(); }
    // Whether a refused statement spoils the open transaction unless it ran in a savepoint.
    virtual bool needsSavepointPerWrite() const = 0;

    virtual bool tableExists(const std::string& sqlName) = 0;
    virtual std::vector<std::string> createTableSql(const TableDef& def, const std::string& sqlName) const = 0;

    // What the stored tables' layout needs to follow the declarations of a later version.
    virtual std::vector<StoredColumn> storedColumns(const std::string& sqlName) = 0;
    virtual std::string addColumnSql(const std::string& sqlName, const FieldDef& field) const = 0;
    // Widens a text column to its declared width; nothing where the engine keeps no width.
    virtual std::optional<std::string> widenColumnSql(const std::string& sqlName, const FieldDef& field) const = 0;
    // The layout version of this directory's tables: 0 before versions were kept.
    virtual int layoutVersion() = 0;
    // In a write transaction: waits while another connection changes the same directory's
    // layout, then records the version reached.
    virtual void lockLayout() = 0;
    virtual void setLayoutVersion(int version) = 0;
    // The ORDER BY term of a column; empty fields sort first, as the smallest values.
    virtual std::string orderTerm(const std::string& quotedColumn, bool descending, bool nullable) const = 0;
    // The query that gives an auto-increment column its next number, run in the write
    // transaction just before the insert; nothing when the engine numbers the column itself
    // (then the insert leaves the column out and returns the number given).
    virtual std::optional<std::string> nextAutoIncSql(const std::string& sqlTable, const std::string& quotedColumn) const = 0;
    // The insert, written so that a duplicate key refuses it without spoiling an open
    // transaction: either the engine's own error leaves the transaction usable, or the insert
    // then changes (and returns) no row. `returning` lists the columns the engine numbered.
    // `values` holds one record's placeholders, or several records' joined by "), (".
    virtual std::string insertSql(const std::string& quotedTable, const std::string& columns, const std::string& values,
                                  const std::string& returning) const = 0;
    // The insert and the update of a write run later (Statement::runLater): the engine itself
    // refuses a duplicate key, or an update that changes no row, even if that spoils the
    // transaction.
    virtual std::string laterInsertSql(const std::string& quotedTable, const std::string& columns, const std::string& values) const
    {
        return insertSql(quotedTable, columns, values, {});
    }
    virtual std::string laterUpdateSql(const std::string& update) const { return update; }

    // Record locks of this connection's directory, keyed by a 64-bit hash of table and key.
    // Returns nothing when another holder has the lock; never waits.
    virtual std::unique_ptr<LockHandle> tryLock(std::uint64_t key, const LockHolder& me) = 0;
    // The same, and once the lock is held, runs `then` (bound, not yet stepped): the read that
    // must follow the lock, in the lock's round trip where the engine can. Step it after.
    virtual std::unique_ptr<LockHandle> tryLockThenRun(std::uint64_t key, const LockHolder& me, Statement& /*then*/)
    {
        return tryLock(key, me);
    }
    virtual std::optional<LockHolder> lockHolder(std::uint64_t key) = 0;
    // Session numbers live in a lock space of their own, held for as long as the connection.
    virtual std::unique_ptr<LockHandle> tryLockSession(int number, const LockHolder& me) = 0;
};

// The engine chosen by the registry value `store`: empty for the embedded store (SQLite),
// else a PostgreSQL connection string.
struct StoreConfig {
    std::string postgres;
    bool isPostgres() const { return !postgres.empty(); }
};

std::unique_ptr<Connection> connectSqlite(const std::string& directory, bool create);
std::unique_ptr<Connection> connectPostgres(const std::string& conninfo, const std::string& directory, bool create);

// The schema that holds a directory's tables on PostgreSQL: a mark of the directory's parent
// path, then its last name ("/srv/Orvant/data12" gives "r1f2e3d4c5b6a_data12"). Two data roots
// of one database never share a schema, and the schemas of a data root's companies begin with
// the data root's own ("..._data" and "..._data12").
std::string schemaForDirectory(const std::string& directory);

// Double-quoted identifier, lower case (both engines fold unquoted names the same way then).
std::string quoteIdent(const std::string& name);

// The name a table has inside the engine: lower case, without ".db".
std::string sqlTableName(const std::string& tableName);

// The sign of the workstation in locks it holds: user and session number.
void setWorkstationIdentity(std::string user, int session);
LockHolder workstationIdentity();

}  // namespace orvant::store
