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
// reports, or on a tax holdback account.
std::string taxLines(const TaxReport& t, const std::vector<int>& holdbackTaxes)
{
    const std::string journals = NumberList(t.journals);
    return std::string("(SELECT l.tjld_reference AS reference, l.tjld_debit AS debit, l.tjld_credit AS credit FROM tjld l JOIN "
                       "(SELECT DISTINCT r.taxrep_reference AS reference, t.taxrates_account AS account FROM ") + t.report +
           " r JOIN " + t.rates + " t ON t.taxrates_code = r.taxrep_code) a ON a.reference = l.tjld_reference AND a.account = "
           "l.tjld_account WHERE l.tjld_journal IN (" + journals + ") UNION ALL SELECT l.tjld_reference, l.tjld_debit, l.tjld_credit "
           "FROM tjld l WHERE l.tjld_journal IN (" + journals + ") AND l.tjld_account IN (" + NumberList(holdbackTaxes) +
           ") AND l.tjld_reference IN (SELECT taxrep_reference FROM " + t.report + "))";
}

void checkReport(store::Database& books, const TaxReport& t, const std::vector<int>& holdbackTaxes, BooksReport& report)
{
    Query q(books, "SELECT x.reference, " + SumColumns("x", "vat") + ", " + SumColumns("j", "debit") + ", " + SumColumns("j", "credit") +
                       " FROM (SELECT taxrep_reference AS reference, " + ExactSum("taxrep_vat", "vat") + " FROM " + t.report +
                       " GROUP BY taxrep_reference) x LEFT JOIN (SELECT reference, " + ExactSum("debit", "debit") + ", " +
                       ExactSum("credit", "credit") + " FROM " + taxLines(t, holdbackTaxes) +
                       " c GROUP BY reference) j ON j.reference = x.reference ORDER BY x.reference");
    for (q.open(); !q.eof(); q.next()) {
        const Int128 reported = ReadExactSum(q, 1), debit = ReadExactSum(q, 3), credit = ReadExactSum(q, 5);
        const Int128 carried = t.creditRaises ? credit - debit : debit - credit;
        if (reported == carried) continue;
        const AmountPair shown = DisagreeingAmounts(reported, carried);
        report.problems.push_back(std::string(t.report) + " of reference \"" + q.value(0).asString() + "\": it reports a tax of " +
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
