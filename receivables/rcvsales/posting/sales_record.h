#pragma once
// A sales document written as one line of JSON, the form in which invoices come in from
// another program:
//
//   {"client": "ABC100", "type": "sale", "invoice": "A100", "date": "2026-03-10",
//    "rows": [{"account": 1100, "debit": "115.00"}, {"account": 4000, "credit": "100.00"}, ...]}
//
// The fields are listed in docs/sales-import.md. Reading a record checks its form only (types,
// widths, dates, amounts, at most the nine rows of the screen); the books' rules are the
// posting's check.

#include <string>
#include <variant>
#include <vector>

#include "sales_books.h"
#include "sales_posting.h"

namespace orvant::sales {

struct SalesRecord {
    SalesDocument document;
    bool dueDateGiven = false;
    std::vector<std::pair<int, Money>> netPerRate;  // by the rate's code
    std::optional<HoldbackAnswer> holdback;
    std::optional<HoldbackChoice> holdbackChoice;  // nothing: the company's own choice
    std::vector<sidedialogs::ProjectLine> projects;
};

// The record, or why its form is refused.
std::variant<SalesRecord, std::string> ReadSalesRecord(const std::string& line);

}  // namespace orvant::sales
