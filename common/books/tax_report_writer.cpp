#include "books/tax_report_writer.h"

#include "store/backend.h"

namespace orvant {

namespace {

std::string upsertSql(store::Connection& engine, const std::string& table)
{
    const std::string name = store::sqlTableName(table);
    // The line's own number comes from the engine, or from the query the engine gives for it.
    const auto next = engine.nextAutoIncSql(name, store::quoteIdent("TaxRep_Inc"));
    return "INSERT INTO " + store::quoteIdent(name) + " (taxrep_code, taxrep_reference, taxrep_typecode, taxrep_date, "
           "taxrep_gross, taxrep_vat, taxrep_purchase" + std::string(next ? ", taxrep_inc" : "") +
           ") VALUES (?, ?, ?, ?, ?, ?, ?" + (next ? ", (" + *next + ")" : std::string()) +
           ") ON CONFLICT (taxrep_code, taxrep_reference, taxrep_typecode, taxrep_date) DO UPDATE SET "
           "taxrep_gross = COALESCE(" + store::quoteIdent(name) + ".taxrep_gross, 0) + excluded.taxrep_gross, "
           "taxrep_vat = COALESCE(" + store::quoteIdent(name) + ".taxrep_vat, 0) + excluded.taxrep_vat";
}

}  // namespace

TaxReportWriter::TaxReportWriter(store::Database& company, const std::string& table, bool purchases)
    : company_(company), upsert_(company, upsertSql(company.connection(), table)), purchases_(purchases)
{
}

void TaxReportWriter::add(const TaxReportLine& line)
{
    const store::Value values[] = {line.code, line.reference, line.typeCode, line.date, line.net, line.tax, purchases_};
    upsert_.clearBindings();
    for (int i = 0; i < 7; ++i) upsert_.bind(i, values[i]);
    company_.write([&] { upsert_.execute(); });
}

}  // namespace orvant
