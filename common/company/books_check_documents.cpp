// The source documents against what their posting wrote: the journal lines of their number and
// date in the journals of their kind, and the ledger entries of their client or supplier,
// number and date; then the other way, lines and entries that no document accounts for.

#include "company/books_check_parts.h"
#include "company/books_sums.h"
#include "store/query.h"

namespace orvant::company::check {

using store::Query;

namespace {

struct DocumentTable {
    const char* table;     // arori
    const char* party;     // its column naming the client or supplier
    const char* noParty;   // its column marking a document without one
    int rows;              // distribution lines
    std::vector<int> journals;
};

// The ledger whose entries the documents of `documents` and `payments` account for.
struct DocumentLedger {
    DocumentTable documents, payments;
    const char* partyName;  // "client"
    const char* ledger;     // car
    const char* owner;      // car_client
    bool debitRaises;
};

const DocumentLedger kReceivables{{"arori", "client", "direct_cash_sale", 15, {1, 12, 13, 14, 15}},
                                  {"crorihdr", "client", "not_from_cli", 20, {2, 22, 23, 24, 25}},
                                  "client", "car", "car_client", true};
const DocumentLedger kPayables{{"apori", "supplier", "direct_cash_purchase", 15, {3, 32, 33, 34, 35}},
                               {"cdorihdr", "supplier", "not_to_sup", 20, {4, 42, 43, 44, 45}},
                               "supplier", "cap", "cap_supplier", false};

std::string quoted(const store::Value& v) { return "\"" + v.asString() + "\""; }

// One row per distribution line of each document: reference, party, day, cash (1 for a
// document without client or supplier), account, debit, credit.
std::string distributionLines(const DocumentTable& t)
{
    std::string sql;
    for (int i = 1; i <= t.rows; ++i) {
        const std::string n = std::to_string(i);
        sql += std::string(i > 1 ? " UNION ALL " : "") + "SELECT reference, " + t.party + " AS party, \"date\" AS day, CASE WHEN " +
               t.noParty + " THEN 1 ELSE 0 END AS cash, account" + n + " AS account, debit" + n + " AS debit, credit" + n +
               " AS credit FROM " + t.table;
    }
    return "(" + sql + ")";
}

void checkJournalLines(store::Database& books, const DocumentTable& t, BooksReport& report)
{
    const std::string journals = NumberList(t.journals);
    Query q(books, "SELECT d.reference, d.day, d.lines, " + SumColumns("d", "debit") + ", " + SumColumns("d", "credit") + ", " +
                       SumColumns("l", "debit") + ", " + SumColumns("l", "credit") + ", l.lines FROM (SELECT reference, day, COUNT(*) AS lines, " +
                       ExactSum("debit", "debit") + ", " + ExactSum("credit", "credit") + " FROM " + distributionLines(t) +
                       " r GROUP BY reference, day) d LEFT JOIN (SELECT tjld_reference, tjld_date, COUNT(*) AS lines, " +
                       ExactSum("tjld_debit", "debit") + ", " + ExactSum("tjld_credit", "credit") + " FROM tjld WHERE tjld_journal IN (" +
                       journals + ") GROUP BY tjld_reference, tjld_date) l ON l.tjld_reference = d.reference AND l.tjld_date = d.day "
                       "ORDER BY d.reference, d.day");
    for (q.open(); !q.eof(); q.next()) {
        report.documents += q.value(2).asInt() / t.rows;
        const Int128 debit = ReadExactSum(q, 3), credit = ReadExactSum(q, 5);
        const Int128 lineDebit = ReadExactSum(q, 7), lineCredit = ReadExactSum(q, 9);
        const std::string name = std::string(t.table) + " document " + quoted(q.value(0)) + " of " + q.value(1).asDate().toIso();
        if (q.value(11).isNull()) {
            if (debit != 0 || credit != 0) report.problems.push_back(name + ": it has no journal lines");
            continue;
        }
        if (debit == lineDebit && credit == lineCredit) continue;
        const AmountPair debits = DisagreeingAmounts(debit, lineDebit), credits = DisagreeingAmounts(credit, lineCredit);
        report.problems.push_back(name + ": it debits " + debits.first + " and credits " + credits.first +
                                  " but its journal lines debit " + debits.second + " and credit " + credits.second);
    }

    Query strays(books, "SELECT tjld_journal, tjld_reference, tjld_date, COUNT(*) FROM tjld l WHERE tjld_journal IN (" + journals +
                            ") AND NOT EXISTS (SELECT 1 FROM " + t.table + " d WHERE d.reference = l.tjld_reference AND d.\"date\" = "
                            "l.tjld_date) GROUP BY tjld_journal, tjld_reference, tjld_date ORDER BY tjld_journal, tjld_reference, tjld_date");
    for (strays.open(); !strays.eof(); strays.next())
        report.problems.push_back(std::to_string(strays.value(3).asInt()) + " journal line(s) of journal " +
                                  std::to_string(strays.value(0).asInt()) + ", reference " + quoted(strays.value(1)) + ", date " +
                                  strays.value(2).asDate().toIso() + " have no " + t.table + " document");
}

// A ledger entry written by a payment names the payment in its reference.
std::string fromPayment(const DocumentLedger& l)
{
    const std::string prefix = std::string(l.ledger) + "_";
    return std::string("EXISTS (SELECT 1 FROM ") + l.payments.table + " p WHERE p." + l.payments.party + " = e." + l.owner +
           " AND p.reference = e." + prefix + "ref AND p.\"date\" = e." + prefix + "date)";
}

void checkLedgerEntries(store::Database& books, const DocumentLedger& l, const std::vector<int>& owedAccounts, BooksReport& report)
{
    const std::string e = std::string(l.ledger) + "_", owed = NumberList(owedAccounts);
    Query q(books, "SELECT d.party, d.reference, d.day, " + SumColumns("d", "debit") + ", " + SumColumns("d", "credit") + ", " +
                       SumColumns("e", "total") + ", e.entries FROM (SELECT party, reference, day, " +
                       ExactSum("CASE WHEN account IN (" + owed + ") THEN debit ELSE 0 END", "debit") + ", " +
                       ExactSum("CASE WHEN account IN (" + owed + ") THEN credit ELSE 0 END", "credit") + " FROM " +
                       distributionLines(l.documents) + " r WHERE cash = 0 GROUP BY party, reference, day) d LEFT JOIN (SELECT " + l.owner +
                       ", " + e + "invoice, " + e + "date, " + ExactSum(e + "amount", "total") + ", COUNT(*) AS entries FROM " + l.ledger +
                       " e WHERE NOT " + fromPayment(l) + " GROUP BY " + l.owner + ", " + e + "invoice, " + e + "date) e ON e." + l.owner +
                       " = d.party AND e." + e + "invoice = d.reference AND e." + e + "date = d.day ORDER BY d.party, d.reference, d.day");
    for (q.open(); !q.eof(); q.next()) {
        const Int128 debit = ReadExactSum(q, 3), credit = ReadExactSum(q, 5), entries = ReadExactSum(q, 7);
        const Int128 owes = l.debitRaises ? debit - credit : credit - debit;
        if (owes == entries) continue;
        const std::string name = std::string(l.partyName) + " " + quoted(q.value(0)) + ", " + l.documents.table + " document " +
                                 quoted(q.value(1)) + " of " + q.value(2).asDate().toIso();
        const AmountPair shown = DisagreeingAmounts(owes, entries);
        if (q.value(9).isNull())
            report.problems.push_back(name + ": it owes " + shown.first + " but has no " + l.ledger + " entry");
        else
            report.problems.push_back(name + ": it owes " + shown.first + " but its " + l.ledger + " entries sum to " + shown.second);
    }

    Query strays(books, "SELECT " + std::string(l.owner) + ", " + e + "invoice, " + e + "date, COUNT(*) FROM " + l.ledger +
                            " e WHERE NOT EXISTS (SELECT 1 FROM " + l.documents.table + " d WHERE d." + l.documents.party + " = e." +
                            l.owner + " AND d.reference = e." + e + "invoice AND d.\"date\" = e." + e + "date) AND NOT " + fromPayment(l) +
                            " GROUP BY " + l.owner + ", " + e + "invoice, " + e + "date ORDER BY " + l.owner + ", " + e + "invoice, " + e +
                            "date");
    for (strays.open(); !strays.eof(); strays.next())
        report.problems.push_back(std::to_string(strays.value(3).asInt()) + " " + l.ledger + " entries of " + l.partyName + " " +
                                  quoted(strays.value(0)) + ", invoice " + quoted(strays.value(1)) + ", date " +
                                  strays.value(2).asDate().toIso() + " have no document");
}

std::vector<int> owedAccounts(const LedgerAccounts& accounts)
{
    std::vector<int> owed;
    for (int account : accounts.control)
        if (account != 0) owed.push_back(account);
    if (accounts.holdback != 0) owed.push_back(accounts.holdback);
    return owed;
}

}  // namespace

void CheckDocuments(store::Database& books, const BooksAccounts& accounts, BooksReport& report)
{
    for (const DocumentLedger* l : {&kReceivables, &kPayables}) {
        checkJournalLines(books, l->documents, report);
        checkJournalLines(books, l->payments, report);
    }
    checkLedgerEntries(books, kReceivables, owedAccounts(accounts.receivables), report);
    checkLedgerEntries(books, kPayables, owedAccounts(accounts.payables), report);
}

}  // namespace orvant::company::check
