// The aging report over a large client (or supplier) ledger on the embedded store, beside a
// plain SQL aggregate of the same buckets in the same run: 1,000,000 entries of 10,000 parties
// by default.
//
//     aging_bench [--payables] [--clients N] [--entries-per-client N]
//
// Each side keeps its best of three rounds. The report side is the whole run of the summary
// listing: the engine walking the ledger party by party, each entry aged from its item's dates,
// and the listing laid out; the aggregate ages every entry from its own date and leaves the rows
// to the engine. The suppliers' invoices carry holdbacks, each an item of its own.

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "aging/aging_report.h"
#include "aging/aging_screen_ledger.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "scratch_directory.h"
#include "store/query.h"

namespace orvant::bench {
namespace {

const Date kReportDate = *Date::fromYmd(2026, 6, 30);

std::string code(const aging::AgingLedger& ledger, int party)
{
    char text[16];
    std::snprintf(text, sizeof text, "%c%06d", ledger.partyPrefix[0], party);
    return text;
}

std::string columns(const aging::AgingLedger& ledger, std::initializer_list<const char*> names)
{
    std::string list;
    for (const char* name : names) list += (list.empty() ? "" : ", ") + ledger.entryColumn(name);
    return list;
}

// Each party has invoices of a quarter-year's spread, each paid in part by a later payment; on
// the payables side every other invoice holds a part back, due four months after it.
void fillLedger(store::Database& books, const aging::AgingLedger& ledger, bool holdbacks, int parties, int perParty)
{
    store::Transaction load(books);
    store::Query party(books, "INSERT INTO " + ledger.partyTable + " (" + ledger.partyColumn("code") + ", " + ledger.partyColumn("name") +
                                  ", " + ledger.partyColumn("currency") + ") VALUES (?, ?, 0)");
    store::Query entry(books, "INSERT INTO " + ledger.currentTable + " (" + ledger.partyField + ", " +
                                  columns(ledger, {"invoice", "ref", "date", "type", "du_date", "amount", "seq"}) +
                                  ") VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    std::int64_t seq = 0;
    for (int c = 0; c < parties; ++c) {
        party.bind(0, code(ledger, c));
        party.bind(1, "Party " + code(ledger, c));
        party.execute();
        for (int e = 0; e < perParty; ++e) {
            const bool holdback = holdbacks && e % 4 == 3;
            const bool payment = e % 2 == 1 && !holdback;
            const int invoice = e / 2;
            const Date date = kReportDate.addDays(-((c * 7 + invoice * 13) % 200) + (payment ? 20 : 0));
            entry.bind(0, code(ledger, c));
            entry.bind(1, std::to_string(1000 + invoice));
            entry.bind(2, payment ? "P" + std::to_string(invoice) : std::string());
            entry.bind(3, date);
            entry.bind(4, holdback ? "6" : payment ? "2" : "1");
            entry.bind(5, date.addDays(holdback ? 120 : 30));
            entry.bind(6, Money::fromCents(payment ? -(1000 + e) : holdback ? 500 + e : 5000 + 37 * e));
            entry.bind(7, ++seq);
            entry.execute();
        }
    }
    load.commit();
}

template <class Work>
double bestOfThree(Work&& work)
{
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

Money agingReport(store::Database& books, const aging::AgingScreenLedger& kind)
{
    const aging::AgingLedger& ledger = kind.ledger;
    aging::AgingOptions options;
    options.reportDate = kReportDate;
    aging::AgingRun run(books, ledger, aging::ReadAgingControl(books, ledger, "$"), options);
    aging::AgingReportSetup setup;
    setup.detailed = false;
    setup.withTelephone = kind.telephone;
    setup.dateText = [](Date d) { return QString::fromStdString(d.toIso()); };
    const auto texts = aging::AgingLayoutTexts::fromTable(lang::LanguageTable(QString()), "none", false);
    const report::ReportDocument document = aging::BuildAgingReport(run, texts, setup);
    return run.totalsByCurrency().empty() ? Money() : run.totalsByCurrency().begin()->second.amount;
}

// The same buckets by SQL: every entry aged from its own date, summed per party.
Money plainAggregate(store::Database& books, const aging::AgingLedger& ledger)
{
    const std::string party = ledger.partyField, amount = ledger.entryColumn("amount"), date = ledger.entryColumn("date");
    std::string sql = "SELECT " + party + ", SUM(" + amount + ")";
    const char* limits[] = {"30", "60", "90", "120"};
    std::string lower = "-1e9";
    for (const char* limit : limits) {
        sql += ", SUM(CASE WHEN age > " + lower + " AND age <= " + limit + " THEN " + amount + " ELSE 0 END)";
        lower = limit;
    }
    sql += ", SUM(CASE WHEN age > 120 THEN " + amount + " ELSE 0 END) FROM (SELECT " + party + ", " + amount +
           ", CAST(julianday(?) - julianday(" + date + ") AS INTEGER) AS age FROM " + ledger.currentTable + " WHERE " + date +
           " <= ?) GROUP BY " + party;
    store::Query query(books, sql);
    query.bind(0, kReportDate);
    query.bind(1, kReportDate);
    Money total;
    for (query.open(); !query.eof(); query.next()) total += query.field(1).asMoney();
    return total;
}

int run(const aging::AgingScreenLedger& kind, int clients, int perClient)
{
    const aging::AgingLedger& ledger = kind.ledger;
    ScratchDirectory scratch;
    const company::Installation installation{scratch.path() + "/Orvant/data", {}};
    company::SetupDataRoot(installation);
    company::CreateCompany(installation, 1, "Aging bench");
    const auto books = company::OpenCompany(installation, 1);
    std::cout << "Filling " << clients << " " << ledger.partyTable << " with " << perClient << " " << ledger.currentTable
              << " entries each on SQLite..." << std::endl;
    fillLedger(*books, ledger, &kind == &aging::AgingScreenLedger::payables(), clients, perClient);

    Money reportTotal, aggregateTotal;
    const double report = bestOfThree([&] { reportTotal = agingReport(*books, kind); });
    const double aggregate = bestOfThree([&] { aggregateTotal = plainAggregate(*books, ledger); });
    const double rows = static_cast<double>(clients) * perClient;
    std::cout << "Aging report (summary, engine and layout): " << report << " s, " << static_cast<long>(rows / report) << " entries/s\n"
              << "Plain SQL aggregate of the same buckets:   " << aggregate << " s, " << static_cast<long>(rows / aggregate) << " entries/s\n"
              << "Report / aggregate: " << report / aggregate << "x (goal: at most 2x and 3 s)\n"
              << "Totals: report " << reportTotal.toGroupedString() << ", aggregate " << aggregateTotal.toGroupedString() << "\n";
    return reportTotal == aggregateTotal ? 0 : 1;
}

}  // namespace
}  // namespace orvant::bench

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int clients = 10000, perClient = 100;
    const orvant::aging::AgingScreenLedger* kind = &orvant::aging::AgingScreenLedger::receivables();
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--payables") kind = &orvant::aging::AgingScreenLedger::payables();
        else if (option == "--clients" && i + 1 < argc) clients = std::stoi(argv[++i]);
        else if (option == "--entries-per-client" && i + 1 < argc) perClient = std::stoi(argv[++i]);
    }
    try {
        return orvant::bench::run(*kind, clients, perClient);
    } catch (const std::exception& e) {
        std::cerr << "aging_bench: " << e.what() << "\n";
        return 2;
    }
}
