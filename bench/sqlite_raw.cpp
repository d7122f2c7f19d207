// The raw SQLite twin: the benchmark's work written straight on the SQLite C API, on a
// database file set up as the store sets up its own (WAL, synchronous FULL, BEGIN IMMEDIATE)
// and a ledger table of the store's layout (WITHOUT ROWID on the key, same indexes).

#include <sqlite3.h>

#include <stdexcept>

#include "workload.h"

namespace orvant::bench {
namespace {

constexpr int kPageRows = 500;

struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, Finalize>;

// The order of the columns in kLedgerColumns.
enum Column { Client, Invoice, Reference, Day, Type, DueDay, Amount, Memo, Salesman, ProvincialTax, FederalTax, Seq, User, Stamp };

const std::string kCreateLedger =
    "CREATE TABLE car (car_client VARCHAR, car_invoice VARCHAR, car_ref VARCHAR, car_date DATE, car_type VARCHAR, "
    "car_du_date DATE, car_amount MONEY, car_memo TEXT, car_slsm VARCHAR, car_pro_tax MONEY, car_fed_tax MONEY, "
    "car_seq INTEGER NOT NULL, car_user VARCHAR, car_stamp TIMESTAMP, "
    "PRIMARY KEY (car_client, car_invoice, car_seq)) WITHOUT ROWID;"
    "CREATE INDEX car_bystatement ON car (car_client, car_invoice, car_ref, car_date, car_type);"
    "CREATE INDEX car_car_seq_seq ON car (car_seq);";

// The next number is the highest plus one, as for the store: writers are serialised.
const std::string kInsert = std::string("INSERT INTO car (") + kLedgerWrittenColumns +
                            ", car_seq) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                            "(SELECT COALESCE(MAX(car_seq), 0) + 1 FROM car))";
const std::string kFind =
    std::string("SELECT ") + kLedgerColumns + " FROM car WHERE car_client = ? AND car_invoice = ? AND car_seq = ?";
const std::string kPageAfter = std::string("SELECT ") + kLedgerColumns + " FROM car WHERE (" + kLedgerKeyColumns +
                               ") > (?, ?, ?) ORDER BY " + kLedgerKeyColumns + " LIMIT " + std::to_string(kPageRows);

class SqliteWorkload final : public Workload {
public:
    explicit SqliteWorkload(const std::string& file)
    {
        const int rc = sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                       nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_close(db_);
            throw std::runtime_error("Cannot open " + file + ": " + sqlite3_errstr(rc));
        }
        sqlite3_busy_timeout(db_, 120000);
        execute("PRAGMA journal_mode=WAL");
        execute("PRAGMA synchronous=FULL");
    }

    ~SqliteWorkload() override
    {
        insert_.reset();
        find_.reset();
        pageAfter_.reset();
        sqlite3_close(db_);
    }

    void createLedger() override
    {
        execute(kCreateLedger);
        insert_ = prepare(kInsert);
        find_ = prepare(kFind);
        pageAfter_ = prepare(kPageAfter);
    }

    void insert(std::span<const LedgerRow> rows) override
    {
        execute("BEGIN IMMEDIATE");
        for (const LedgerRow& row : rows) insertOne(row);
        execute("COMMIT");
    }

    LedgerRow find(const LedgerKey& key) override
    {
        sqlite3_stmt* st = find_.get();
        bindKey(st, key);
        const bool found = step(st);
        LedgerRow row = found ? decode(st) : LedgerRow{};
        sqlite3_reset(st);
        if (!found) throw std::runtime_error("Raw SQLite found no ledger entry " + key.client + "/" + key.invoice);
        return row;
    }

    std::int64_t walk() override
    {
        sqlite3_stmt* st = pageAfter_.get();
        LedgerKey after;  // "" sorts before every client
        std::int64_t count = 0;
        for (int onPage = kPageRows; onPage == kPageRows;) {
            bindKey(st, after);
            LedgerRow row;
            for (onPage = 0; step(st); ++onPage) row = decode(st);
            sqlite3_reset(st);  // before `after` changes: the statement reads its bound text in place
            after = {row.client, row.invoice, row.seq};
            count += onPage;
        }
        return count;
    }

    bool hasRecordLocks() const override { return false; }
    void lockAndRelease(std::uint64_t) override { throw std::logic_error("SQLite has no record locks of its own"); }

private:
    void insertOne(const LedgerRow& row)
    {
        sqlite3_stmt* st = insert_.get();
        const std::string date = row.date.toIso(), dueDate = row.dueDate.toIso(), stamp = row.stamp.toIso();
        bindText(st, 1, row.client);
        bindText(st, 2, row.invoice);
        bindText(st, 3, row.reference);
        bindText(st, 4, date);
        bindText(st, 5, row.type);
        bindText(st, 6, dueDate);
        sqlite3_bind_int64(st, 7, row.amount);
        bindText(st, 8, row.memo);
        bindText(st, 9, row.salesman);
        sqlite3_bind_int64(st, 10, row.provincialTax);
        sqlite3_bind_int64(st, 11, row.federalTax);
        bindText(st, 12, row.user);
        bindText(st, 13, stamp);
        step(st);
        sqlite3_reset(st);
    }

    static void bindText(sqlite3_stmt* st, int index, const std::string& text)
    {
        // The text outlives the step that reads it, so SQLite need not copy it.
        sqlite3_bind_text(st, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    }

    static void bindKey(sqlite3_stmt* st, const LedgerKey& key)
    {
        bindText(st, 1, key.client);
        bindText(st, 2, key.invoice);
        sqlite3_bind_int64(st, 3, key.seq);
    }

    static std::string text(sqlite3_stmt* st, int column)
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(st, column));
        return bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(st, column))) : std::string();
    }

    static LedgerRow decode(sqlite3_stmt* st)
    {
        LedgerRow row;
        row.client = text(st, Client);
        row.invoice = text(st, Invoice);
        row.reference = text(st, Reference);
        row.date = Date::fromIso(text(st, Day)).value_or(Date());
        row.type = text(st, Type);
        row.dueDate = Date::fromIso(text(st, DueDay)).value_or(Date());
        row.amount = sqlite3_column_int64(st, Amount);
        row.memo = text(st, Memo);
        row.salesman = text(st, Salesman);
        row.provincialTax = sqlite3_column_int64(st, ProvincialTax);
        row.federalTax = sqlite3_column_int64(st, FederalTax);
        row.seq = sqlite3_column_int64(st, Seq);
        row.user = text(st, User);
        row.stamp = DateTime::fromIso(text(st, Stamp)).value_or(DateTime());
        return row;
    }

    StatementPtr prepare(const std::string& sql)
    {
        sqlite3_stmt* st = nullptr;
        check(sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &st, nullptr),
              sql);
        return StatementPtr(st);
    }

    // True while on a row.
    bool step(sqlite3_stmt* st)
    {
        const int rc = sqlite3_step(st);
        if (rc == SQLITE_ROW) return true;
        if (rc != SQLITE_DONE) {
            sqlite3_reset(st);
            check(rc, sqlite3_sql(st));
        }
        return false;
    }

    void execute(const std::string& sql) { check(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr), sql); }

    void check(int rc, const std::string& what) const
    {
        if (rc != SQLITE_OK) throw std::runtime_error("SQLite: " + what + ": " + sqlite3_errmsg(db_));
    }

    sqlite3* db_ = nullptr;
    StatementPtr insert_, find_, pageAfter_;
};

}  // namespace

std::unique_ptr<Workload> sqliteWorkload(const std::string& file) { return std::make_unique<SqliteWorkload>(file); }

}  // namespace orvant::bench
