#pragma once
// Writes one record from named values: the few rows that set-up and the demo put in the books
// read as the table they fill.

#include <initializer_list>
#include <utility>

#include "store/table.h"

namespace orvant::company {

using FieldValues = std::initializer_list<std::pair<const char*, store::Value>>;

inline void addRecord(store::Table& table, FieldValues values)
{
    table.insert();
    for (const auto& [name, value] : values) table.field(name) = value;
    table.post();
}

}  // namespace orvant::company
