#pragma once
// Reading the supplier ledger (cap) for the undo: one item by its number, the items of an
// invoice, and the items of one payment.

#include <optional>
#include <string>
#include <vector>

#include "payables_undo.h"
#include "store/query.h"

namespace orvant::vndundo {

// The item as the query's current row holds it (every cap field, by name).
LedgerItem ReadLedgerItem(const store::Query& row);

std::optional<LedgerItem> ItemBySeq(store::Database& books, const std::string& supplier, std::int64_t seq);
// Every item of the supplier that carries the invoice number (the invoice itself, its notes,
// adjustments, holdback part and the payments on it).
std::vector<LedgerItem> ItemsOfInvoice(store::Database& books, const std::string& supplier, const std::string& invoice);
// One payment's set: its payment lines (type "2") of that reference and date, and its unapplied
// part (type "4" or "5" whose invoice is the reference).
std::vector<LedgerItem> PaymentSet(store::Database& books, const std::string& supplier, const std::string& reference, const Date& date);
// Whether an item with a reference is a payment's unapplied part rather than a note.
bool IsUnappliedPart(store::Database& books, const LedgerItem& item);

}  // namespace orvant::vndundo
