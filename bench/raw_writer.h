#pragma once
// Rows written raw, as plain SQL statements on the engine's client library, one transaction at
// a time: the twin a posting benchmark measures the posting against.

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "store/backend.h"

namespace orvant::bench {

using RawParam = std::variant<long long, std::string>;

// A statement with "?" placeholders, known by its address (it is prepared once), and its values.
// A read's rows are fetched and dropped: what the twin reads before it writes.
struct RawWrite {
    const std::string* sql;
    std::vector<RawParam> params;
};

// The record a posting locks for as long as it writes: the client or supplier with code `code`
// of `table` ("cli", "sup").
struct RawParty {
    const char* table;
    std::string code;
};

class RawWriter {
public:
    virtual ~RawWriter() = default;
    // Takes the party's record lock as the store takes it (SQLite: a byte of the directory's lock
    // file; PostgreSQL: a session advisory lock), runs the statements in one transaction, then gives
    // the lock back. A lock already held is an error: the benchmark's workstations have parties of
    // their own.
    virtual void transaction(const RawParty& party, const std::vector<RawWrite>& writes) = 0;
};

// On company 1 of the data root (SQLite: WAL, synchronous FULL).
std::unique_ptr<RawWriter> rawWriter(const std::string& dataRoot, const store::StoreConfig& config);

// SQLite numbers its keys with the highest plus one; PostgreSQL's identity columns do it. The
// column list's and the values' part of such a key, for each engine.
std::string numberedColumn(bool sqlite, const char* column);
std::string nextNumber(bool sqlite, const char* column, const char* table);

// The party's name read from its record ("cli" or "sup"), as a statement's value taking the
// party's code: a journal header's memo and a bank line's name are the party's name.
std::string partyName(const char* table);

// A history record's distribution slot: an account with its debit and credit.
struct RawSlot {
    long long account = 0, debit = 0, credit = 0;
};

// The columns of a history record's `count` distribution slots ("account1, debit1, credit1, ...")
// and as many placeholders; every slot is written, the unused ones 0, as the postings write them.
std::string slotColumns(int count);
std::string slotPlaceholders(int count);
// A record's values: `before`, then its `count` slots (`used` first), then `after`.
std::vector<RawParam> withSlots(std::vector<RawParam> before, const std::vector<RawSlot>& used, int count, RawParam after);

}  // namespace orvant::bench
