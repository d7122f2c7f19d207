#pragma once
// JSON numbers kept as their text. A JSON reader turns numbers into doubles, which cannot hold
// every amount and hide the decimals that were written; an amount must be read from the digits
// as written instead.

#include <set>
#include <string>
#include <string_view>

namespace orvant::json {

// The names of a record's fields that hold amounts.
using AmountFields = std::set<std::string, std::less<>>;

// The JSON text with every number that is the value of one of `keys` written as a JSON string
// of the same digits ({"debit": 115.005} becomes {"debit": "115.005"}). The text must already
// be well-formed JSON; nothing else in it changes.
std::string QuoteNumbersOf(std::string_view json, const AmountFields& keys);

}  // namespace orvant::json
