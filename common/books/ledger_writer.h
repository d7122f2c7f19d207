#pragma once
// The entries a posting adds to a client or supplier ledger (car or cap), one writer per
// ledger for every posting. An entry is only ever appended; the store gives it its number.

#include <string>
#include <vector>

#include "books/control_accounts.h"
#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"
#include "store/table.h"

namespace orvant {

struct LedgerEntry {
    std::string party;  // client or supplier code
    std::string invoice;
    std::string reference;  // the note, cheque or receipt number; empty for a sale
    Date date, dueDate;
    std::string type;  // the document type code, "1" to "6"
    Money amount;      // raising what the party owes
    std::string memo;
    std::string salesRep;                // receivables only
    Money federalTax, provincialTax;     // of a holdback and the collections on it; receivables only
    bool holdback = false;               // the entry belongs to the invoice's holdback item
    std::string user;
};

class LedgerWriter {
public:
    // Over the company's ledger; run it inside a posting's transaction (one a refused write spoils).
    LedgerWriter(store::Database& company, Ledger ledger);

    void add(const LedgerEntry& entry);
    // A document's entries, written together in their order (inside a posting's transaction).
    void addAll(const std::vector<LedgerEntry>& entries);
    // Drops an entry whose writing failed, so that the next posting does not save it.
    void cancel() { entries_.cancel(); }

private:
    void fill(const LedgerEntry& entry);

    Ledger ledger_;
    store::Table entries_;
};

}  // namespace orvant
