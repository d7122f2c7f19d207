#pragma once
// The catalog: every table of the books, declared once.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/schema.h"

namespace orvant::store {

// Every declared table, per-session work tables included (under their base name).
const std::vector<TableDef>& allTables();

// The tables of one home, in declaration order, without the per-session work tables.
std::vector<const TableDef*> tablesOf(TableHome home);

// Finds a table by name, with or without ".db", in any case. A per-session work table is found
// by its base name followed by a session number ("VatTmp7"); the returned declaration then
// carries that full name.
std::optional<TableDef> findTable(std::string_view name);

// "VatTmp" and 7 give "VatTmp7".
std::string workTableName(std::string_view base, int sessionNo);

}  // namespace orvant::store
