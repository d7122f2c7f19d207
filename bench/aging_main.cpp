// The aging report over a large client ledger on the embedded store, beside a plain SQL
// aggregate of the same buckets in the same run: 1,000,000 entries of 10,000 clients by default.
//
//     aging_bench [--clients N] [--entries-per-client N]
//
// Each side keeps its best of three rounds. The report side is the whole run of the summary
// listing: the engine walking the ledger client by client, each entry aged from its invoice's
// dates, and the listing laid out; the aggregate ages every entry from its own date and leaves
// the rows to the engine.

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "aging/aging_report.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "scratch_directory.h"
#include "store/query.h"

namespace orvant::bench {
namespace {

const Date kReportDate = *Date::fromYmd(2026, 6, 30);

std::string code(int client)
{
    char text[16];
    std::snprintf(text, sizeof text, "C%06d", client);
    return text;
}

// Each client has invoices of a quarter-year's spread, each paid in part by a later payment.
void fillLedger(store::Database& books, int clients, int perClient)
{
    store::Transaction load(books);
    store::Query client(books, "INSERT INTO cli (cli_code, cli_name, cli_currency) VALUES (?, ?, 0)");
    store::Query entry(books, "INSERT INTO car (car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_seq) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    std::int64_t seq = 0;
    for (int c = 0; c < clients; ++c) {
        client.bind(0, code(c));
        client.bind(1, "Client " + code(c));
        client.execute();
        for (int e = 0; e < perClient; ++e) {
            const bool payment = e % 2 == 1;
            const int invoice = e / 2;
            const Date date = kReportDate.addDays(-((c * 7 + invoice * 13) % 200) + (payment ? 20 : 0));
            entry.bind(0, code(c));
            entry.bind(1, std::to_string(1000 + invoice));
            entry.bind(2, payment ? "P" + std::to_string(invoice) : std::string());
            entry.bind(3, date);
            entry.bind(4, payment ? "2" : "1");
            entry.bind(5, date.addDays(30));
            entry.bind(6, Money::fromCents(payment ? -(1000 + e) : 5000 + 37 * e));
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

Money agingReport(store::Database& books)
{
    const auto& ledger = aging::AgingLedger::receivables();
    aging::AgingOptions options;
    options.reportDate = kReportDate;
    aging::AgingRun run(books, ledger, aging::ReadAgingControl(books, ledger, "$"), options);
    aging::AgingReportSetup setup;
    setup.detailed = false;
    setup.dateText = [](Date d) { return QString::fromStdString(d.toIso()); };
    const auto texts = aging::AgingLayoutTexts::fromTable(lang::LanguageTable(QString()), "none", false);
    const report::ReportDocument document = aging::BuildAgingReport(run, texts, setup);
    return run.totalsByCurrency().empty() ? Money() : run.totalsByCurrency().begin()->second.amount;
}

// The same buckets by SQL: every entry aged from its own date, summed per client.
Money plainAggregate(store::Database& books)
{
    std::string sql = "SELECT car_client, SUM(car_amount)";
    const char* limits[] = {"30", "60", "90", "120"};
    std::string lower = "-1e9";
    for (const char* limit : limits) {
        sql += ", SUM(CASE WHEN age > " + lower + " AND age <= " + limit + " THEN car_amount ELSE 0 END)";
        lower = limit;
    }
    sql += ", SUM(CASE WHEN age > 120 THEN car_amount ELSE 0 END) FROM (SELECT car_client, car_amount, "
           "CAST(julianday(?) - julianday(car_date) AS INTEGER) AS age FROM car WHERE car_date <= ?) GROUP BY car_client";
    store::Query query(books, sql);
    query.bind(0, kReportDate);
    query.bind(1, kReportDate);
    Money total;
    for (query.open(); !query.eof(); query.next()) total += query.field(1).asMoney();
    return total;
}

int run(int clients, int perClient)
{
    ScratchDirectory scratch;
    const company::Installation installation{scratch.path() + "/Orvant/data", {}};
    company::SetupDataRoot(installation);
    company::CreateCompany(installation, 1, "Aging bench");
    const auto books = company::OpenCompany(installation, 1);
    std::cout << "Filling " << clients << " clients with " << perClient << " entries each on SQLite..." << std::endl;
    fillLedger(*books, clients, perClient);

    Money reportTotal, aggregateTotal;
    const double report = bestOfThree([&] { reportTotal = agingReport(*books); });
    const double aggregate = bestOfThree([&] { aggregateTotal = plainAggregate(*books); });
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
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--clients") clients = std::stoi(argv[i + 1]);
        else if (option == "--entries-per-client") perClient = std::stoi(argv[i + 1]);
    }
    try {
        return orvant::bench::run(clients, perClient);
    } catch (const std::exception& e) {
        std::cerr << "aging_bench: " << e.what() << "\n";
        return 2;
    }
}
