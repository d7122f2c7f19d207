#pragma once
// A table cursor: walks one table in the order of its current index, within an optional key
// range, filter and master-detail link, and inserts, edits and deletes its records. Rows are
// read in pages in key order, so a walk over a large table never holds it whole in memory.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/backend.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/value.h"

namespace orvant::store {

enum class TableState { Inactive, Browse, Insert, Edit };

// One condition of a filter; an empty value compares as "is empty" / "is not empty".
struct Condition {
    enum Op { Eq, Ne, Lt, Le, Gt, Ge };
    std::string field;
    Op op = Eq;
    Value value;
};

class Table;

// A field of the current record, read and written by type.
class FieldRef {
public:
    FieldRef(Table& table, int index) : table_(&table), index_(index) {}

    const std::string& name() const;
    FieldType type() const;
    const Value& value() const;
    bool isNull() const { return value().isNull(); }
    std::string asString() const { return value().asString(); }
    std::int64_t asInt() const { return value().asInt(); }
    double asFloat() const { return value().asFloat(); }
    Money asMoney() const { return value().asMoney(); }
    bool asBool() const { return value().asBool(); }
    Date asDate() const { return value().asDate(); }
    DateTime asDateTime() const { return value().asDateTime(); }

    void set(Value v);
    void clear() { set(Value()); }
    FieldRef& operator=(Value v) { set(std::move(v)); return *this; }

private:
    Table* table_;
    int index_;
};

class Table {
public:
    explicit Table(Database& db, std::string_view tableName = {});
    // A table of the given layout rather than a declared one (tools and tests).
    Table(Database& db, TableDef definition);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    Database& database() { return db_; }
    const std::string& tableName() const { return name_; }
    // Names another table; only while closed (work tables change their session suffix so).
    void setTableName(std::string_view tableName);

    // Opening a table that is not declared or not in the database is a store error.
    void open();
    void close();
    bool isOpen() const { return state_ != TableState::Inactive; }
    TableState state() const { return state_; }
    const TableDef& definition() const { return def_; }

    // The walk, in the order of the current index.
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool hasRecord() const { return !page_.empty(); }
    bool isEmpty();
    std::int64_t recordCount();

    // Positions on the first record whose current-index key starts with the values given
    // (a partial key names the leading fields); false, and the position kept, when none.
    bool findKey(const std::vector<Value>& key);
    // Positions on the first record whose key is equal to or greater than the values; past
    // the last record the table is at its end.
    void findNearest(const std::vector<Value>& key);

    // "" or the primary key's name selects the primary index.
    void setIndex(std::string_view indexName);
    const std::string& indexName() const { return indexName_; }
    // Restricts the walk to keys from `low` to `high` on the current index (leading fields).
    void setRange(std::vector<Value> low, std::vector<Value> high);
    void cancelRange();
    void setFilter(std::vector<Condition> conditions);
    void setFiltered(bool on);
    // Restricts this table to the records whose `detailFields` equal the master's current
    // `masterFields`; follows the master as it moves.
    void setMasterLink(Table& master, std::vector<std::string> masterFields, std::vector<std::string> detailFields);
    void clearMasterLink();
    // Reads the current records again.
    void refresh();

    // Changes. `edit` locks the record and reads it again under the lock; `post` writes it
    // and gives the lock back (at the end of the transaction when one is open).
    void insert();
    void append() { insert(); }
    void edit();
    // Holds the lock of these key values whether or not a record has them, until the handle
    // goes: a posting holds the number of the document it is about to write, so that two
    // workstations never write the same one. A lock held elsewhere is the locked error.
    std::unique_ptr<LockHandle> holdKey(const std::vector<Value>& key);
    void post();
    void cancel();
    void deleteRecord();
    // Posts `count` new records, each made as after insert() by `fill(i)`, in one statement
    // whose answer nobody waits for; their auto-increment fields are numbered in their order.
    // Only inside a transaction that a refused write spoils: a refused record spoils it. The
    // cursor stands on no particular record after.
    void insertRecords(std::size_t count, const std::function<void(std::size_t)>& fill);

    int fieldCount() const { return static_cast<int>(def_.fields.size()); }
    int fieldIndex(std::string_view name) const;  // -1 when absent
    FieldRef field(std::string_view name);
    FieldRef field(int index);
    const Value& value(int index) const;
    void setValue(int index, Value value);

private:
    struct Row {
        std::vector<Value> values;  // the fields, then the hidden row number of a keyless table
    };
    struct Sql {
        std::string text;
        std::vector<Value> binds;
        void add(const std::string& condition, const std::vector<Value>& values = {});
    };
    enum class Compare { Gt, Ge, Lt, Le };

    void requireOpen() const;
    void requireRecord() const;
    void finishPendingChange();
    void buildIndexColumns();
    std::vector<Value> valuesOf(const Row& row, const std::vector<int>& columns) const;
    std::vector<Value> keyOf(const Row& row) const { return valuesOf(row, keyColumns_); }
    std::uint64_t lockKey(const std::vector<Value>& key) const;
    [[noreturn]] void refuseLocked(std::uint64_t key) const;

    void compare(Sql& where, const std::vector<int>& columns, const std::vector<Value>& values, Compare op) const;
    void equal(Sql& where, const std::vector<int>& columns, const std::vector<Value>& values) const;
    Sql baseWhere() const;
    Sql pageQuery(const Sql& extra, bool descending, int limit) const;
    std::vector<Row> fetch(const Sql& extra, bool descending, int limit);
    // Reads the page into `rows`, over the rows they held: their texts' storage is used again.
    void fetchInto(const Sql& extra, bool descending, int limit, std::vector<Row>& rows);
    std::vector<Row> runSelect(const std::string& sql, const std::vector<Value>& binds, int limit);
    void selectInto(const std::string& sql, const std::vector<Value>& binds, std::vector<Row>& rows);
    Statement& statement(const std::string& sql);
    Row readRow(Statement& st) const;
    void readRow(Statement& st, Row& into) const;
    // Takes the record's lock into `lock` (or refuses, naming the holder), then reads the record
    // as its last holder left it.
    std::optional<Row> lockAndReread(const std::vector<Value>& key, std::unique_ptr<LockHandle>& lock);
    bool columnNullable(int column) const;
    std::string buildSelectList() const;
    void planInsert();

    void showPage(std::vector<Row> rows, bool fromEnd);
    void afterMove();
    void walkForward(bool inclusive, const std::vector<Value>& from);
    Value checkedForField(int index, Value value, bool checkWidth) const;
    void validateForPost(Row& row) const;
    void postInsert();
    void bindInsert(Statement& st, const Row& row, const std::vector<std::pair<std::size_t, bool>>& bound, int& b) const;
    void numberFromHighest(std::vector<Row>& rows);
    std::int64_t nextNumber(const std::string& query);  // the highest number stored plus one
    // The insert of `count` records in one statement, to go later.
    std::string laterInsertSql(std::size_t count) const;
    void showInserted(Row row);
    void postEdit();
    void writeEdit(Row& row);  // the changed fields of the edit, as validated into `row`

    Database& db_;
    std::string name_;
    std::string sqlName_;
    TableDef def_;
    std::optional<TableDef> givenDef_;
    TableState state_ = TableState::Inactive;
    // Field numbers by name in any case: an open-addressed table with at least twice as many
    // slots as fields, each holding a field number or -1, probed from the name's caseless hash.
    // Every posting looks fields up by name many times over.
    std::vector<int> fieldSlots_;
    void indexFieldNames();

    // current index: its fields, and the full order (index fields, then the rest of the key)
    std::string indexName_;
    std::vector<int> indexColumns_;
    std::vector<int> orderColumns_;
    std::vector<int> keyColumns_;

    std::vector<Value> rangeLow_, rangeHigh_;
    bool ranged_ = false;
    std::vector<Condition> filter_;
    bool filtered_ = false;
    Table* master_ = nullptr;
    std::vector<int> masterColumns_, detailColumns_;
    std::vector<Table*> details_;

    std::vector<Row> page_;
    std::vector<Row> spare_;  // the page shown before, which the walk reads its next page into
    std::size_t pos_ = 0;
    bool bof_ = true, eof_ = true;
    int pageSize_ = 32;

    Row editRow_;
    std::vector<bool> changed_;
    std::vector<Value> editKey_;
    std::unique_ptr<LockHandle> editLock_;

    std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;

    // Written once when the table opens.
    struct InsertPlan {
        std::string sql;
        std::string laterSql;  // written without waiting for its answer (no number to read back)
        std::string columns, rowValues;  // to write several records in one statement
        // One record whose numbered fields take their numbers in the insert; none to read back.
        std::string selfNumberedSql;
        std::vector<std::pair<std::size_t, bool>> bound;              // field, whether raw bytes
        std::vector<std::pair<std::size_t, bool>> boundSelfNumbered;  // the same, less the numbered
        std::vector<std::pair<std::size_t, std::string>> numbered;     // field, query of its next number
        std::vector<std::size_t> returned;                            // fields the engine numbers
    };
    InsertPlan insertPlan_;
    std::string selectList_;
};

}  // namespace orvant::store
