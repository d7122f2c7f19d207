#pragma once
// The parts of the integrity check, each comparing one pair of things the postings keep in
// step and adding a line to the report for each disagreement it finds.

#include <array>
#include <string>
#include <vector>

#include "company/books_check.h"
#include "store/database.h"

namespace orvant::company::check {

// The accounts of one ledger as the control record and the job-costing control name them.
struct LedgerAccounts {
    std::array<int, 5> control{};  // the control account of currencies 0 to 4
    int holdback = 0;              // the holdback account whose movements the ledger follows
    std::vector<int> holdbackTaxes;  // the tax holdback accounts
};

struct BooksAccounts {
    LedgerAccounts receivables, payables;
};

BooksAccounts ReadBooksAccounts(store::Database& books);

// The currency of a journal: home for journals 1 to 9, c for 11 + c, 21 + c, 31 + c and 41 + c.
int JournalCurrency(int journal);

// A comma-separated list of numbers for an SQL IN (...); an empty list matches nothing.
std::string NumberList(const std::vector<int>& numbers);

// Journal headers against their lines, lines without a header, lines on accounts the chart
// lacks.
void CheckJournal(store::Database& books, BooksReport& report);

// Balances against ledger entries, entries without their client or supplier, and the journal's
// movement of the control and holdback accounts against the ledgers, currency by currency.
void CheckLedgers(store::Database& books, const BooksAccounts& accounts, BooksReport& report);

// Source documents against their journal lines and ledger entries, and back.
void CheckDocuments(store::Database& books, const BooksAccounts& accounts, BooksReport& report);

// The tax report against the tax accounts' journal lines of its documents.
void CheckTaxReport(store::Database& books, const BooksAccounts& accounts, BooksReport& report);

}  // namespace orvant::company::check
