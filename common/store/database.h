#pragma once
// A database: a name bound to a directory. With the embedded engine the directory holds one
// database file; with PostgreSQL it is one schema of the data root's database.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/backend.h"
#include "store/schema.h"

namespace orvant::store {

// What a refused write does to the transaction it runs in.
enum class OnRefusedWrite {
    // The write alone is undone (in a savepoint where the engine needs one): it can be tried again.
    KeepTransaction,
    // The transaction is spoiled: its commit is refused and nothing of it is kept. No savepoint
    // is paid for per write; for work that retries nothing inside, as a posting.
    SpoilTransaction,
};

class Database {
public:
    // Binds `name` to `directory` and connects. The directory (or its schema) must exist,
    // unless `create` asks for it to be made.
    Database(std::string name, std::string directory, StoreConfig config, bool create = false);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::string& name() const { return name_; }
    const std::string& directory() const { return directory_; }
    const StoreConfig& config() const { return config_; }
    Connection& connection() { return *connection_; }

    // Whether the table is there, its name taken with or without ".db", in any case.
    bool tableExists(std::string_view table);
    // Creates a declared table (a work table by its full name, "VatTmp7"), or one from an
    // explicit declaration. Creating a table that exists is a store error.
    void createTable(std::string_view table);
    void createTable(const TableDef& def);
    // Creates the table when it is missing, else empties it: the start of a work table's use.
    void createOrEmptyTable(std::string_view table);
    void emptyTable(std::string_view table);
    void dropTable(std::string_view table);

    // A write transaction. A second writer waits for the first. Take the record locks a posting
    // needs before starting it, and never wait for a record lock inside it.
    void startTransaction(OnRefusedWrite onRefusal = OnRefusedWrite::KeepTransaction);
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }
    OnRefusedWrite onRefusedWrite() const { return onRefusal_; }
    // Whether a write may go later than asked (Statement::runLater): in a transaction that a
    // refused write spoils, as nothing in it is tried again.
    bool writesMayWait() const { return inTransaction_ && onRefusal_ == OnRefusedWrite::SpoilTransaction; }
    // Runs writes that may be refused and tried again (a number taken meanwhile by another
    // workstation) inside a transaction that a refused write would spoil: each runs in its own
    // savepoint there, as in a transaction that keeps going.
    template <class Writes>
    void allowingRetries(Writes&& run)
    {
        // A refusal of a write queued before must not be taken for one of these.
        connection_->flush();
        const OnRefusedWrite outer = std::exchange(onRefusal_, OnRefusedWrite::KeepTransaction);
        try {
            run();
        } catch (...) {
            onRefusal_ = outer;
            throw;
        }
        onRefusal_ = outer;
    }

    // Runs one write; inside a transaction it runs in a savepoint where the engine needs one,
    // so a refused write leaves the transaction usable and the write can be tried again. A
    // write inside another one shares its savepoint: the outer write is the one tried again.
    template <class Write>
    void write(Write&& run)
    {
        if (inTransaction_ && onRefusal_ == OnRefusedWrite::SpoilTransaction) {
            try {
                run();
            } catch (...) {
                spoiled_ = true;
                throw;
            }
            return;
        }
        if (!inTransaction_ || !connection_->needsSavepointPerWrite() || inWrite_) {
            run();
            return;
        }
        inWrite_ = true;
        connection_->queue("SAVEPOINT orv_write");
        try {
            run();
        } catch (...) {
            inWrite_ = false;
            connection_->queue("ROLLBACK TO SAVEPOINT orv_write");
            connection_->queue("RELEASE SAVEPOINT orv_write");
            throw;
        }
        inWrite_ = false;
        connection_->queue("RELEASE SAVEPOINT orv_write");
    }

    // Record locks. A lock given back while a transaction is open is kept until it ends, so
    // nobody changes a record before the change made under its lock is committed.
    std::unique_ptr<LockHandle> tryLock(std::uint64_t key);
    // The lock and, once held, the read that must follow it (bound, not yet stepped), together.
    std::unique_ptr<LockHandle> tryLockThenRun(std::uint64_t key, Statement& then);
    std::optional<LockHolder> lockHolder(std::uint64_t key);
    void release(std::unique_ptr<LockHandle> lock);

private:
    void endTransaction();

    std::string name_;
    std::string directory_;
    StoreConfig config_;
    std::unique_ptr<Connection> connection_;
    bool inTransaction_ = false;
    bool inWrite_ = false;
    OnRefusedWrite onRefusal_ = OnRefusedWrite::KeepTransaction;
    bool spoiled_ = false;
    std::vector<std::unique_ptr<LockHandle>> heldUntilEnd_;
};

// Scope guard of a transaction: rolls back unless committed. A guard opened while a
// transaction is already running joins it, as that transaction treats refusals; only the
// outermost guard begins and commits.
class Transaction {
public:
    explicit Transaction(Database& db, OnRefusedWrite onRefusal = OnRefusedWrite::KeepTransaction);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool outermost_;
    bool done_ = false;
};

}  // namespace orvant::store
