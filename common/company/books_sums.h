#pragma once
// Exact sums of amounts made by the store engine. An engine adds 64-bit integers and stops with
// an error when a sum passes their range, and damaged books may hold such sums; so each amount
// is summed as two parts, its whole multiples of 2^32 and the rest, which no realistic number of
// rows can carry past 64 bits, and the parts are put back together in 128 bits.

#include <string>

#include "money/money.h"
#include "store/query.h"

namespace orvant::company {

// Two select columns holding the exact sum of `amount` (an SQL expression of a money column)
// over the rows of a group; 0 for a group without rows or with empty amounts. Given a name, the
// columns are named it + "_h" and it + "_l", for a query around this one to select.
std::string ExactSum(const std::string& amount, const std::string& name = {});
// The two columns of ExactSum(..., name) selected from `from`: "l.debit_h, l.debit_l".
std::string SumColumns(const std::string& from, const std::string& name);

// The sum of the two columns that ExactSum made, read from `column` and the next one; 0 where
// they are empty (a group missing from an outer join).
Int128 ReadExactSum(const store::Query& query, int column);

// Ten-thousandths as decimal text with 2 or 4 decimals: "-1234.50".
std::string AmountText(Int128 raw, int decimals);

// Two amounts that disagree, as text: with cents, or with four decimals when either has a part
// below the cent, so that a difference too small for cents still shows.
struct AmountPair {
    std::string first, second;
};
AmountPair DisagreeingAmounts(Int128 first, Int128 second);

}  // namespace orvant::company
