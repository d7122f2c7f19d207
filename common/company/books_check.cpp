#include "company/books_check.h"

#include "company/company_creation.h"
#include "store/query.h"

namespace orvant::company {

using store::Query;

namespace {

std::string amount(const Query& q, int column) { return q.field(column).asMoney().toString(2); }

std::string headerName(const Query& q)
{
    return "journal header period " + std::to_string(q.value(0).asInt()) + ", journal " + std::to_string(q.value(1).asInt()) +
           ", reference \"" + q.value(2).asString() + "\", date " + q.value(3).asDate().toIso();
}

void checkJournalHeaders(store::Database& books, BooksReport& report)
{
    Query q(books,
            "SELECT h.tjlh_period, h.tjlh_journal, h.tjlh_reference, h.tjlh_date, "
            "COALESCE(h.tjlh_tot_debit, 0), COALESCE(h.tjlh_tot_credit, 0), COALESCE(l.debit, 0), COALESCE(l.credit, 0) "
            "FROM tjlh h LEFT JOIN (SELECT tjld_period, tjld_journal, tjld_reference, tjld_date, "
            "CAST(SUM(COALESCE(tjld_debit, 0)) AS BIGINT) AS debit, CAST(SUM(COALESCE(tjld_credit, 0)) AS BIGINT) AS credit FROM tjld "
            "GROUP BY tjld_period, tjld_journal, tjld_reference, tjld_date) l "
            "ON l.tjld_period = h.tjlh_period AND l.tjld_journal = h.tjlh_journal "
            "AND l.tjld_reference = h.tjlh_reference AND l.tjld_date = h.tjlh_date "
            "ORDER BY h.tjlh_period, h.tjlh_journal, h.tjlh_reference, h.tjlh_date");
    for (q.open(); !q.eof(); q.next()) {
        ++report.headers;
        const auto headerDebit = q.field(4).asMoney(), headerCredit = q.field(5).asMoney();
        const auto lineDebit = q.field(6).asMoney(), lineCredit = q.field(7).asMoney();
        if (headerDebit != lineDebit)
            report.problems.push_back(headerName(q) + ": total debit " + amount(q, 4) + " but its lines debit " + amount(q, 6));
        if (headerCredit != lineCredit)
            report.problems.push_back(headerName(q) + ": total credit " + amount(q, 5) + " but its lines credit " + amount(q, 7));
        if (lineDebit != lineCredit)
            report.problems.push_back(headerName(q) + ": its lines debit " + amount(q, 6) + " but credit " + amount(q, 7));
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

// One party file against its ledger: balances against sums, and entries without their party.
struct PartyLedger {
    const char* party;   // "client"
    const char* master;  // cli
    const char* code;    // cli_code
    const char* balance; // cli_current_bal
    const char* ledger;  // car
    const char* owner;   // car_client
    const char* amount;  // car_amount
};

void checkBalances(store::Database& books, const PartyLedger& p, long long& counted, BooksReport& report)
{
    const std::string m = p.master, c = p.code, b = p.balance, l = p.ledger, o = p.owner, a = p.amount;
    Query balances(books, "SELECT m." + c + ", COALESCE(m." + b + ", 0), COALESCE(s.total, 0) FROM " + m + " m LEFT JOIN "
                          "(SELECT " + o + ", CAST(SUM(COALESCE(" + a + ", 0)) AS BIGINT) AS total FROM " + l + " GROUP BY " + o + ") s ON s." + o +
                          " = m." + c + " ORDER BY m." + c);
    for (balances.open(); !balances.eof(); balances.next()) {
        ++counted;
        if (balances.field(1).asMoney() != balances.field(2).asMoney())
            report.problems.push_back(std::string(p.party) + " \"" + balances.value(0).asString() + "\": balance " +
                                      amount(balances, 1) + " but its " + l + " entries sum to " + amount(balances, 2));
    }
    Query strays(books, "SELECT " + o + ", COUNT(*) FROM " + l + " e WHERE NOT EXISTS (SELECT 1 FROM " + m + " m WHERE m." + c +
                        " = e." + o + ") GROUP BY " + o + " ORDER BY " + o);
    for (strays.open(); !strays.eof(); strays.next())
        report.problems.push_back(std::to_string(strays.value(1).asInt()) + " " + l + " entries name the unknown " + p.party +
                                  " \"" + strays.value(0).asString() + "\"");
}

}  // namespace

BooksReport CheckBooks(const Installation& installation, int company)
{
    const auto books = OpenCompany(installation, company);
    BooksReport report;
    checkJournalHeaders(*books, report);
    checkLinesHaveHeaders(*books, report);
    checkBalances(*books, {"client", "cli", "cli_code", "cli_current_bal", "car", "car_client", "car_amount"}, report.clients, report);
    checkBalances(*books, {"supplier", "sup", "sup_code", "sup_current_bal", "cap", "cap_supplier", "cap_amount"}, report.suppliers, report);
    return report;
}

}  // namespace orvant::company
