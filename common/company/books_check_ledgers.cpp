// The client and supplier ledgers: each balance against its entries, entries without their
// client or supplier, and the journal's movement of the control accounts against the ledger.

#include <algorithm>
#include <map>

#include "company/books_check_parts.h"
#include "company/books_sums.h"
#include "store/query.h"

namespace orvant::company::check {

using store::Query;

namespace {

// One party file with its ledger.
struct PartyLedger {
    const char* party;     // "client"
    const char* parties;   // "clients"
    const char* side;      // "receivable"
    const char* master;    // cli
    const char* code;      // cli_code
    const char* balance;   // cli_current_bal
    const char* currency;  // cli_currency
    const char* ledger;    // car
    const char* owner;     // car_client
    const char* amount;    // car_amount
    bool debitRaises;      // a debit raises what the party owes (receivables) or lowers it (payables)
};

constexpr PartyLedger kClients{"client", "clients", "receivable", "cli", "cli_code", "cli_current_bal", "cli_currency",
                               "car", "car_client", "car_amount", true};
constexpr PartyLedger kSuppliers{"supplier", "suppliers", "payable", "sup", "sup_code", "sup_current_bal", "sup_currency",
                                 "cap", "cap_supplier", "cap_amount", false};

void checkBalances(store::Database& books, const PartyLedger& p, long long& counted, BooksReport& report)
{
    const std::string m = p.master, c = p.code, l = p.ledger, o = p.owner;
    Query balances(books, "SELECT m." + c + ", COALESCE(m." + p.balance + ", 0), " + SumColumns("s", "total") + " FROM " + m +
                              " m LEFT JOIN (SELECT " + o + ", " + ExactSum(p.amount, "total") + " FROM " + l + " GROUP BY " + o +
                              ") s ON s." + o + " = m." + c + " ORDER BY m." + c);
    for (balances.open(); !balances.eof(); balances.next()) {
        ++counted;
        const Int128 balance = balances.field(1).asMoney().raw(), entries = ReadExactSum(balances, 2);
        if (balance == entries) continue;
        const AmountPair shown = DisagreeingAmounts(balance, entries);
        report.problems.push_back(std::string(p.party) + " \"" + balances.value(0).asString() + "\": balance " + shown.first +
                                  " but its " + l + " entries sum to " + shown.second);
    }
    Query strays(books, "SELECT " + o + ", COUNT(*) FROM " + l + " e WHERE NOT EXISTS (SELECT 1 FROM " + m + " m WHERE m." + c +
                            " = e." + o + ") GROUP BY " + o + " ORDER BY " + o);
    for (strays.open(); !strays.eof(); strays.next())
        report.problems.push_back(std::to_string(strays.value(1).asInt()) + " " + l + " entries name the unknown " + p.party +
                                  " \"" + strays.value(0).asString() + "\"");
}

struct Movement {
    int account, journal;
    Int128 amount;  // raising what the parties owe
};

std::vector<Movement> journalMovements(store::Database& books, const PartyLedger& p, const LedgerAccounts& accounts)
{
    std::vector<int> watched(accounts.control.begin(), accounts.control.end());
    watched.push_back(accounts.holdback);
    Query q(books, "SELECT tjld_account, tjld_journal, " + ExactSum("tjld_debit") + ", " + ExactSum("tjld_credit") +
                       " FROM tjld WHERE tjld_account IN (" + NumberList(watched) + ") GROUP BY tjld_account, tjld_journal");
    std::vector<Movement> movements;
    for (q.open(); !q.eof(); q.next()) {
        const Int128 debit = ReadExactSum(q, 2), credit = ReadExactSum(q, 4);
        movements.push_back({static_cast<int>(q.value(0).asInt()), static_cast<int>(q.value(1).asInt()),
                             p.debitRaises ? debit - credit : credit - debit});
    }
    return movements;
}

std::map<std::int64_t, Int128> ledgerByCurrency(store::Database& books, const PartyLedger& p)
{
    Query q(books, std::string("SELECT m.") + p.currency + ", " + ExactSum(std::string("e.") + p.amount) + " FROM " + p.ledger +
                       " e JOIN " + p.master + " m ON m." + p.code + " = e." + p.owner + " GROUP BY m." + p.currency);
    std::map<std::int64_t, Int128> sums;
    for (q.open(); !q.eof(); q.next()) sums[q.value(0).asInt()] = ReadExactSum(q, 1);
    return sums;
}

// The currencies sharing one control account move together: their journal lines cannot be told
// apart but by the journal, which only the shared holdback account needs.
void checkControlAccounts(store::Database& books, const PartyLedger& p, const LedgerAccounts& accounts, BooksReport& report)
{
    const std::vector<Movement> movements = journalMovements(books, p, accounts);
    std::map<std::int64_t, Int128> ledger = ledgerByCurrency(books, p);
    const auto& control = accounts.control;
    const bool holdbackApart = accounts.holdback != 0 && std::find(control.begin(), control.end(), accounts.holdback) == control.end();
    for (int first = 0; first < 5; ++first) {
        const int account = control[first];
        if (std::find(control.begin(), control.begin() + first, account) != control.begin() + first) continue;
        std::vector<int> currencies;
        Int128 entries = 0, moved = 0;
        for (int c = first; c < 5; ++c)
            if (control[c] == account) {
                currencies.push_back(c);
                entries += ledger[c];
                ledger.erase(c);
            }
        const auto ofTheseCurrencies = [&](int journal) {
            return std::find(currencies.begin(), currencies.end(), JournalCurrency(journal)) != currencies.end();
        };
        for (const Movement& m : movements)
            if (m.account == account || (holdbackApart && m.account == accounts.holdback && ofTheseCurrencies(m.journal)))
                moved += m.amount;
        if (moved == entries) continue;
        std::string name = std::string(p.side) + " control account " + std::to_string(account) + " (currency";
        for (int c : currencies) name += " " + std::to_string(c);
        name += ")";
        if (holdbackApart) name += " with the holdback account " + std::to_string(accounts.holdback);
        const AmountPair shown = DisagreeingAmounts(moved, entries);
        report.problems.push_back(name + ": the journal moves " + shown.first + " but the " + p.parties + "' " + p.ledger +
                                  " entries sum to " + shown.second);
    }
    for (const auto& [currency, entries] : ledger)
        if (entries != 0)
            report.problems.push_back(std::string(p.parties) + " of currency " + std::to_string(currency) + ": their " + p.ledger +
                                      " entries sum to " + DisagreeingAmounts(entries, 0).first + ", but no such currency has a control account");
}

}  // namespace

void CheckLedgers(store::Database& books, const BooksAccounts& accounts, BooksReport& report)
{
    checkBalances(books, kClients, report.clients, report);
    checkBalances(books, kSuppliers, report.suppliers, report);
    checkControlAccounts(books, kClients, accounts.receivables, report);
    checkControlAccounts(books, kSuppliers, accounts.payables, report);
}

}  // namespace orvant::company::check
