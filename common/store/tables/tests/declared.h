#pragma once
// Look-ups shared by the catalog tests; a missing table or field fails the calling test.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/tables/catalog.h"

namespace orvant::store::catalog_test {

inline TableDef declared(std::string_view name)
{
    std::optional<TableDef> table = findTable(name);
    if (!table) {
        ADD_FAILURE() << "table " << name << " is not declared";
        return {};
    }
    return *table;
}

inline FieldDef fieldOf(const TableDef& table, std::string_view name)
{
    const int at = table.fieldIndex(name);
    if (at < 0) {
        ADD_FAILURE() << table.name << " has no field " << name;
        return {};
    }
    return table.fields[static_cast<std::size_t>(at)];
}

inline std::vector<std::string> fieldNames(const TableDef& table)
{
    std::vector<std::string> names;
    for (const FieldDef& field : table.fields) names.push_back(field.name);
    return names;
}

}  // namespace orvant::store::catalog_test
