#pragma once
// The benchmark's work, done one way on one engine: through the store, or by hand with the
// engine's own client library (the raw twin). Every workload keeps its own database, SQLite
// file or PostgreSQL schema, with the same ledger layout, so neither warms the other's pages.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "ledger_rows.h"
#include "store/backend.h"

namespace orvant::bench {

class Workload {
public:
    virtual ~Workload() = default;

    // Creates the empty ledger table and gets ready to use it.
    virtual void createLedger() = 0;
    // Inserts the rows in one transaction.
    virtual void insert(std::span<const LedgerRow> rows) = 0;
    // Reads the whole record of a full key; throws when it is not there.
    virtual LedgerRow find(const LedgerKey& key) = 0;
    // Reads every record in key order; the number read.
    virtual std::int64_t walk() = 0;
    // Whether this workload has record locks to take (raw SQLite has none of its own).
    virtual bool hasRecordLocks() const { return true; }
    // Takes the record lock of `key` and gives it back.
    virtual void lockAndRelease(std::uint64_t key) = 0;
};

// Through the store, in a data directory of its own (on PostgreSQL: the directory's schema).
std::unique_ptr<Workload> storeWorkload(const std::string& directory, const store::StoreConfig& config);
// The SQLite C API on a database file of its own.
std::unique_ptr<Workload> sqliteWorkload(const std::string& file);
// libpq on a schema of its own, dropped again when the workload ends.
std::unique_ptr<Workload> postgresWorkload(const std::string& conninfo, const std::string& schema);

}  // namespace orvant::bench
