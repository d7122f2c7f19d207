#include "store/tables/catalog.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "store/tables/subjects.h"

namespace orvant::store {

namespace {

std::vector<TableDef> collect()
{
    std::vector<TableDef> all;
    for (auto group : {subjects::launcherTables, subjects::companyTables, subjects::ledgerTables,
                       subjects::chequeTables, subjects::jobCostTables, subjects::invoicingTables,
                       subjects::auditTables, subjects::workTables}) {
        std::vector<TableDef> tables = group();
        std::move(tables.begin(), tables.end(), std::back_inserter(all));
    }
    return all;
}

const TableDef* findDeclared(std::string_view canonicalName, bool perSession)
{
    const auto& tables = allTables();
    const auto found = std::find_if(tables.begin(), tables.end(), [&](const TableDef& t) {
        return t.perSession == perSession && canonicalTableName(t.name) == canonicalName;
    });
    return found == tables.end() ? nullptr : &*found;
}

// A session number as the launcher writes it: decimal, no sign, no leading zero, within int.
bool isSessionNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 10) return false;
    if (digits.size() > 1 && digits.front() == '0') return false;
    long long value = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        value = value * 10 + (c - '0');
    }
    return value <= std::numeric_limits<int>::max();
}

std::size_t trailingDigitsStart(std::string_view name)
{
    std::size_t start = name.size();
    while (start > 0 && std::isdigit(static_cast<unsigned char>(name[start - 1]))) --start;
    return start;
}

}  // namespace

const std::vector<TableDef>& allTables()
{
    static const std::vector<TableDef> tables = collect();
    return tables;
}

std::vector<const TableDef*> tablesOf(TableHome home)
{
    std::vector<const TableDef*> out;
    for (const TableDef& table : allTables())
        if (table.home == home && !table.perSession) out.push_back(&table);
    return out;
}

// A shared table is matched first, so "apchqh" is the cheque list while "apchqh7" is the print
// copy of session 7, and a shared name ending in digits ("apchqfrm1") is never split.
std::optional<TableDef> findTable(std::string_view name)
{
    const std::string wanted = canonicalTableName(name);
    if (const TableDef* shared = findDeclared(wanted, false)) return *shared;
    if (const TableDef* work = findDeclared(wanted, true)) return *work;

    const std::size_t digitsAt = trailingDigitsStart(wanted);
    const std::string_view digits = std::string_view(wanted).substr(digitsAt);
    if (!isSessionNumber(digits)) return std::nullopt;
    const TableDef* work = findDeclared(wanted.substr(0, digitsAt), true);
    if (!work) return std::nullopt;
    TableDef named = *work;
    named.name += digits;
    return named;
}

std::string workTableName(std::string_view base, int sessionNo)
{
    if (sessionNo < 0) throw std::invalid_argument("a session number is never negative");
    return std::string(base) + std::to_string(sessionNo);
}

}  // namespace orvant::store
