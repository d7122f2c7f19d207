// The tax report against the journal: the tax a document reports, over all its lines, equals
// what its journal lines carry on the accounts of the rates it reports, with the tax held back on
// the tax holdback accounts, which the report counts as charged.

#include "company/books_check_parts.h"
#include "company/books_sums.h"
#include "store/query.h"

namespace orvant::company::check {

using store::Query;

namespace {

struct TaxReport {
    const char* report;       // taxrep
    const char* rates;        // taxrates
    std::vector<int> journals;  // of the documents that write it
    bool creditRaises;        // sales report the tax they collect, purchases the tax they pay
};

const TaxReport kSalesTaxes{"taxrep", "taxrates", {1, 12, 13, 14, 15, 2, 22, 23, 24, 25}, true};
const TaxReport kPurchaseTaxes{"taxrepp", "taxratesp", {3, 32, 33, 34, 35, 4, 42, 43, 44, 45}, false};

// The journal lines that carry a reported document's tax: on an account of a rate the document
// reports, or on a tax holdback account. A document is its number and date: a note on an
// invoice shares its number but reports (or leaves unreported) its own tax on its own day.
std::string taxLines(const TaxReport& t, const std::vector<int>& holdbackTaxes)
{
    const std::string journals = NumberList(t.journals);
    return std::string("(SELECT l.tjld_reference AS reference, l.tjld_date AS day, l.tjld_debit AS debit, l.tjld_credit AS credit "
                       "FROM tjld l JOIN (SELECT DISTINCT r.taxrep_reference AS reference, r.taxrep_date AS day, t.taxrates_account "
                       "AS account FROM ") + t.report + " r JOIN " + t.rates +
           " t ON t.taxrates_code = r.taxrep_code) a ON a.reference = l.tjld_reference AND a.day = l.tjld_date AND a.account = "
           "l.tjld_account WHERE l.tjld_journal IN (" + journals + ") UNION ALL SELECT l.tjld_reference, l.tjld_date, l.tjld_debit, "
           "l.tjld_credit FROM tjld l WHERE l.tjld_journal IN (" + journals + ") AND l.tjld_account IN (" + NumberList(holdbackTaxes) +
           ") AND EXISTS (SELECT 1 FROM " + t.report + " r WHERE r.taxrep_reference = l.tjld_reference AND r.taxrep_date = "
           "l.tjld_date))";
}

void checkReport(store::Database& books, const TaxReport& t, const std::vector<int>& holdbackTaxes, BooksReport& report)
{
    Query q(books, "SELECT x.reference, x.day, " + SumColumns("x", "vat") + ", " + SumColumns("j", "debit") + ", " +
                       SumColumns("j", "credit") + " FROM (SELECT taxrep_reference AS reference, taxrep_date AS day, " +
                       ExactSum("taxrep_vat", "vat") + " FROM " + t.report + " GROUP BY taxrep_reference, taxrep_date) x LEFT JOIN "
                       "(SELECT reference, day, " + ExactSum("debit", "debit") + ", " + ExactSum("credit", "credit") + " FROM " +
                       taxLines(t, holdbackTaxes) + " c GROUP BY reference, day) j ON j.reference = x.reference AND j.day = x.day "
                       "ORDER BY x.reference, x.day");
    for (q.open(); !q.eof(); q.next()) {
        const Int128 reported = ReadExactSum(q, 2), debit = ReadExactSum(q, 4), credit = ReadExactSum(q, 6);
        const Int128 carried = t.creditRaises ? credit - debit : debit - credit;
        if (reported == carried) continue;
        const AmountPair shown = DisagreeingAmounts(reported, carried);
        report.problems.push_back(std::string(t.report) + " of reference \"" + q.value(0).asString() + "\" of " +
                                  q.field(1).asDate().toIso() + ": it reports a tax of " +
                                  shown.first + " but the journal lines of its rates' accounts and of the tax held back carry " +
                                  shown.second);
    }
}

}  // namespace

void CheckTaxReport(store::Database& books, const BooksAccounts& accounts, BooksReport& report)
{
    checkReport(books, kSalesTaxes, accounts.receivables.holdbackTaxes, report);
    checkReport(books, kPurchaseTaxes, accounts.payables.holdbackTaxes, report);
}

}  // namespace orvant::company::check
