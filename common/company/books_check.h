#pragma once
// The integrity report of a company's books: what the postings keep in step must agree.
//  - each journal header's totals equal the sums of its lines, and its debits equal its credits;
//    no journal line lies outside a header or names an account missing from the chart;
//  - each client's and supplier's balance equals the sum of its ledger entries, and no entry
//    names a client or supplier that does not exist;
//  - currency by currency, the journal's movement of the receivable (payable) control account,
//    and of the holdback account, equals the movement of the clients' (suppliers') ledger;
//  - every source document has its journal lines and, where it owes or is owed, its ledger
//    entries, and every journal line of a document journal and every ledger entry its document;
//  - the tax report of each document equals the tax its journal lines carry on the reported
//    rates' accounts, with the tax held back.
// The sums are made by the store engine, exactly whatever their size, so the check reads no more
// than one row per document, header, client or supplier whatever the size of the books.

#include <string>
#include <vector>

#include "company/installation.h"
#include "store/database.h"

namespace orvant::company {

struct BooksReport {
    std::vector<std::string> problems;  // one line each, naming what is off
    long long headers = 0, clients = 0, suppliers = 0, documents = 0;

    bool clean() const { return problems.empty(); }
};

BooksReport CheckBooks(const Installation& installation, int company);
// The same on an open company database, inside whatever transaction it is in.
BooksReport CheckBooks(store::Database& books);

}  // namespace orvant::company
