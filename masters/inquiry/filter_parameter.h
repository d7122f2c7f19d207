#pragma once
// The filter's parameter read as its field's type: the value the query binds.

#include <optional>
#include <string_view>

#include "inquiry/party_filter.h"
#include "store/value.h"

namespace orvant::inquiry {

// Nothing when the text does not read cleanly as the type: a person's typing is never taken for
// another value (an unreadable date is not today, "12abc" is not 12).
std::optional<store::Value> ReadFilterParameter(std::string_view text, FilterFieldType type,
                                                const ParameterNotation& notation);

// yes/no, true/false, oui/non, 1/0, in any case.
std::optional<bool> ReadYesNo(std::string_view text);

// The value an empty field compares as: "", 0 or false (no date is ever empty-equal).
store::Value EmptyValueOf(FilterFieldType type);

}  // namespace orvant::inquiry
