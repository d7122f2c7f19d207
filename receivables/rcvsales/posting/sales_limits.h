#pragma once
// What the books can hold: no amount, document total or client balance may pass the books'
// limit (kBooksLimit). A document that would carry one past it is refused before anything is
// written, instead of a sum wrapping round into another amount.

#include <optional>

#include "books/control_accounts.h"
#include "sales_check.h"
#include "store/table.h"

namespace orvant::sales {

// Refused when an amount of the rows, or the total of either column, passes the limit.
std::optional<Refusal> CheckRowsWithinBooks(const Distribution& rows);

// What the document adds to the client's balance: every receivable row, debit less credit,
// and the receivable held back.
Money ClientOwes(const Distribution& rows, Money heldBack, const ControlAccountTable& receivables);

// Refused when the balance of the client (the record `clients` is on), or for a sale its sales
// of the month or of the year, would pass the limit once `owed` is added.
std::optional<Refusal> CheckClientWithinBooks(store::Table& clients, SalesType type, Money owed);

}  // namespace orvant::sales
