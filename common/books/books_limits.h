#pragma once
// What the books can hold: no amount, document total or balance may pass the books' limit
// (kBooksLimit). A document that would carry one past it is refused before anything is
// written, instead of a sum wrapping round into another amount.

#include <initializer_list>

#include "books/distribution.h"
#include "money/money.h"
#include "store/table.h"

namespace orvant {

// Whether every amount of the rows, and the total of either column, stays within the limit.
bool RowsWithinBooks(const Distribution& rows);

// Whether each of the money fields of the record `table` stands on stays within the limit once
// `change` is added to it.
bool FieldsWithinBooks(store::Table& table, std::initializer_list<const char*> fields, Money change);

}  // namespace orvant
