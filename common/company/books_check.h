#pragma once
// The integrity report of a company's books: what the postings keep in step must agree.
//  - each journal header's totals equal the sums of its lines, and its debits equal its credits;
//  - no journal line lies outside a header;
//  - each client's and supplier's balance equals the sum of its ledger entries, and no entry
//    names a client or supplier that does not exist.
// The sums are made by the store engine, so the check reads no more than one row per header,
// client or supplier whatever the size of the books.

#include <string>
#include <vector>

#include "company/installation.h"

namespace orvant::company {

struct BooksReport {
    std::vector<std::string> problems;  // one line each, naming what is off
    long long headers = 0, clients = 0, suppliers = 0;

    bool clean() const { return problems.empty(); }
};

BooksReport CheckBooks(const Installation& installation, int company);

}  // namespace orvant::company
