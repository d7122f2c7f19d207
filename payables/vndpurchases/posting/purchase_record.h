#pragma once
// A purchase document written as one line of JSON, the form in which supplier invoices come in
// from another program:
//
//   {"supplier": "BUR100", "type": "purchase", "invoice": "F-2201", "date": "2026-03-10",
//    "rows": [{"account": 2100, "credit": "105.00"}, {"account": 5200, "debit": "100.00"}, ...]}
//
// The fields are listed in docs/purchases-import.md. Reading a record checks its form only
// (types, widths, dates, amounts, at most the fifteen rows of the screen); the books' rules are
// the posting's check.

#include <string>
#include <variant>
#include <vector>

#include "purchase_posting.h"

namespace orvant::purchases {

struct PurchaseRecord {
    PurchaseDocument document;
    bool dueDateGiven = false;
    std::vector<std::pair<int, Money>> netPerRate;  // by the rate's code
    std::optional<HoldbackAnswer> holdback;
    std::vector<sidedialogs::ProjectLine> projects;
};

// The record, or why its form is refused.
std::variant<PurchaseRecord, std::string> ReadPurchaseRecord(const std::string& line);

}  // namespace orvant::purchases
