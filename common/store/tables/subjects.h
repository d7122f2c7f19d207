#pragma once
// The catalog's tables grouped by subject, each group defined in its own file.

#include <vector>

#include "store/schema.h"

namespace orvant::store::subjects {

std::vector<TableDef> launcherTables();  // companies, users, languages, tools menu, desktop, tracker
std::vector<TableDef> companyTables();   // control record, master files, tax rates, terms
std::vector<TableDef> ledgerTables();    // ledgers, documents, journal, tax report, bank, virmem
std::vector<TableDef> chequeTables();    // cheque list, recurring cheques, cheque-form layout
std::vector<TableDef> jobCostTables();   // projects, phases, budgets, elements, transactions
std::vector<TableDef> invoicingTables(); // invoices current and archived, their lines, items
std::vector<TableDef> auditTables();     // copies of what the payables undo removed
std::vector<TableDef> workTables();      // per-session scratch tables

}  // namespace orvant::store::subjects
