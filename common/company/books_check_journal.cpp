// The journal on its own: headers against their lines, lines without a header, lines on
// accounts the chart of accounts lacks.

#include "company/books_check_parts.h"
#include "company/books_sums.h"
#include "store/query.h"

namespace orvant::company::check {

using store::Query;

namespace {

std::string headerName(const Query& q, int first = 0)
{
    return "journal header period " + std::to_string(q.value(first).asInt()) + ", journal " +
           std::to_string(q.value(first + 1).asInt()) + ", reference \"" + q.value(first + 2).asString() + "\", date " +
           q.value(first + 3).asDate().toIso();
}

void compare(const Query& q, BooksReport& report, Int128 first, const std::string& firstName, Int128 second,
             const std::string& secondName)
{
    if (first == second) return;
    const AmountPair shown = DisagreeingAmounts(first, second);
    report.problems.push_back(headerName(q) + ": " + firstName + " " + shown.first + " but " + secondName + " " + shown.second);
}

void checkHeaders(store::Database& books, BooksReport& report)
{
    Query q(books,
            "SELECT h.tjlh_period, h.tjlh_journal, h.tjlh_reference, h.tjlh_date, COALESCE(h.tjlh_tot_debit, 0), "
            "COALESCE(h.tjlh_tot_credit, 0), " + SumColumns("l", "debit") + ", " + SumColumns("l", "credit") +
                " FROM tjlh h LEFT JOIN (SELECT tjld_period, tjld_journal, tjld_reference, tjld_date, " +
                ExactSum("tjld_debit", "debit") + ", " + ExactSum("tjld_credit", "credit") +
                " FROM tjld GROUP BY tjld_period, tjld_journal, tjld_reference, tjld_date) l "
                "ON l.tjld_period = h.tjlh_period AND l.tjld_journal = h.tjlh_journal AND l.tjld_reference = h.tjlh_reference "
                "AND l.tjld_date = h.tjlh_date ORDER BY h.tjlh_period, h.tjlh_journal, h.tjlh_reference, h.tjlh_date");
    for (q.open(); !q.eof(); q.next()) {
        ++report.headers;
        const Int128 headerDebit = q.field(4).asMoney().raw(), headerCredit = q.field(5).asMoney().raw();
        const Int128 lineDebit = ReadExactSum(q, 6), lineCredit = ReadExactSum(q, 8);
        compare(q, report, headerDebit, "total debit", lineDebit, "its lines debit");
        compare(q, report, headerCredit, "total credit", lineCredit, "its lines credit");
        compare(q, report, lineDebit, "its lines debit", lineCredit, "credit");
    }
}

void checkLinesHaveHeaders(store::Database& books, BooksReport& report)
{
    Query q(books,
            "SELECT tjld_period, tjld_journal, tjld_reference, tjld_date, COUNT(*) FROM tjld l "
            "WHERE NOT EXISTS (SELECT 1 FROM tjlh h WHERE h.tjlh_period = l.tjld_period AND h.tjlh_journal = l.tjld_journal "
            "AND h.tjlh_reference = l.tjld_reference AND h.tjlh_date = l.tjld_date) "
            "GROUP BY tjld_period, tjld_journal, tjld_reference, tjld_date "
            "ORDER BY tjld_period, tjld_journal, tjld_reference, tjld_date");
    for (q.open(); !q.eof(); q.next())
        report.problems.push_back(std::to_string(q.value(4).asInt()) + " journal line(s) without their header: " + headerName(q));
}

void checkLinesHaveAccounts(store::Database& books, BooksReport& report)
{
    Query q(books,
            "SELECT tjld_period, tjld_journal, tjld_reference, tjld_date, tjld_account, COUNT(*) FROM tjld l "
            "WHERE NOT EXISTS (SELECT 1 FROM glm g WHERE g.glm_account = l.tjld_account) "
            "GROUP BY tjld_period, tjld_journal, tjld_reference, tjld_date, tjld_account "
            "ORDER BY tjld_period, tjld_journal, tjld_reference, tjld_date, tjld_account");
    for (q.open(); !q.eof(); q.next())
        report.problems.push_back(headerName(q) + ": " + std::to_string(q.value(5).asInt()) + " line(s) on the account " +
                                  std::to_string(q.value(4).asInt()) + ", which the chart of accounts (glm) lacks");
}

}  // namespace

void CheckJournal(store::Database& books, BooksReport& report)
{
    checkHeaders(books, report);
    checkLinesHaveHeaders(books, report);
    checkLinesHaveAccounts(books, report);
}

}  // namespace orvant::company::check
