// Store benchmarks: the store's everyday operations on each engine beside the same work written
// raw on the engine's client library, with the ratio between the two.
//
//     store_bench [--postgres CONNINFO] [--rows N]
//
// Without --postgres only SQLite is measured. Scratch files go to a temporary directory and the
// PostgreSQL schemas to names of their own; both are removed at the end.

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "report.h"
#include "scratch_directory.h"
#include "timing.h"
#include "workload.h"

namespace orvant::bench {
namespace {

struct Options {
    std::string postgres;         // libpq connection string; empty: SQLite only
    std::int64_t rows = 100'000;  // the size of the ledger the reads run on
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--postgres" && i + 1 < argc) options.postgres = argv[++i];
        else if (arg == "--rows" && i + 1 < argc) options.rows = std::stoll(argv[++i]);
        else throw std::invalid_argument("usage: store_bench [--postgres CONNINFO] [--rows N]");
    }
    if (options.rows < 1000) throw std::invalid_argument("--rows takes at least 1000");
    return options;
}

// A name no other run uses: it becomes the store's directory and so its PostgreSQL schema.
std::string uniqueName()
{
    return "orvbench" + std::to_string(::getpid()) + "x" + std::to_string(std::random_device{}() % 100000);
}

// The store and its raw twin on one engine.
struct Twins {
    std::string engine;
    std::unique_ptr<Workload> store;
    std::unique_ptr<Workload> raw;
};

// Measures the work `workOf` gives for each twin, the raw one only when `rawToo`.
template <class WorkOf>
Rates compare(Twins& twins, const RoundPlan& plan, WorkOf workOf, bool rawToo = true)
{
    const Work store = workOf(*twins.store);
    const Work raw = workOf(*twins.raw);
    return measure(plan, store, rawToo ? &raw : nullptr);
}

// Loads the ledgers in equal transactions, a round each; the number of rows loaded.
std::int64_t measureInserts(Twins& twins, std::int64_t rows, std::vector<Measurement>& out)
{
    constexpr int kTransactions = 4;
    const std::int64_t perTransaction = rows / kTransactions;
    std::vector<std::vector<LedgerRow>> batches;
    for (int b = 0; b < kTransactions; ++b) batches.push_back(ledgerRows(b * perTransaction, perTransaction));
    auto work = [&](Workload& w) {
        return Work([&w, &batches, next = std::size_t(0)]() mutable {
            w.insert(batches.at(next++));
            return static_cast<std::int64_t>(batches.front().size());
        });
    };
    out.push_back({twins.engine, "insert " + grouped(perTransaction) + " rows in one transaction", "rows/s",
                   compare(twins, {kTransactions, 0.0}, work)});
    return perTransaction * kTransactions;
}

void measureFinds(Twins& twins, std::int64_t rows, std::vector<Measurement>& out)
{
    std::mt19937_64 random(20240101);
    std::vector<LedgerKey> keys;
    for (int i = 0; i < 4096; ++i) keys.push_back(ledgerKey(static_cast<std::int64_t>(random() % rows)));
    auto work = [&](Workload& w) {
        return Work([&w, &keys, next = std::size_t(0)]() mutable {
            const LedgerKey& key = keys[next++ % keys.size()];
            if (w.find(key).seq != key.seq) throw std::runtime_error("A find read the wrong record");
            return std::int64_t(1);
        });
    };
    out.push_back({twins.engine, "find a full key among " + grouped(rows) + " rows", "ops/s", compare(twins, {}, work)});
}

void measureWalks(Twins& twins, std::int64_t rows, std::vector<Measurement>& out)
{
    auto work = [rows](Workload& w) {
        return Work([&w, rows] {
            const std::int64_t walked = w.walk();
            if (walked != rows) throw std::runtime_error("A walk read " + std::to_string(walked) + " rows");
            return walked;
        });
    };
    out.push_back({twins.engine, "walk " + grouped(rows) + " rows in key order", "rows/s", compare(twins, {}, work)});
}

void measureLocks(Twins& twins, std::vector<Measurement>& out)
{
    auto work = [](Workload& w) {
        return Work([&w, key = std::uint64_t(1)]() mutable {
            w.lockAndRelease(key++);
            return std::int64_t(1);
        });
    };
    out.push_back({twins.engine, "lock and release a record", "ops/s",
                   compare(twins, {}, work, twins.raw->hasRecordLocks())});
}

void measureTransactions(Twins& twins, std::int64_t rows, std::vector<Measurement>& out)
{
    const std::vector<LedgerRow> ten = ledgerRows(rows, 10);  // numbered anew by every insert
    auto work = [&ten](Workload& w) {
        return Work([&w, &ten] {
            w.insert(ten);
            return std::int64_t(1);
        });
    };
    out.push_back({twins.engine, "transaction of 10 inserts", "tx/s", compare(twins, {}, work)});
}

void measureEngine(Twins& twins, std::int64_t rows, std::vector<Measurement>& out)
{
    auto step = [&](const char* what) { std::cerr << twins.engine << ": " << what << "...\n"; };
    twins.store->createLedger();
    twins.raw->createLedger();
    step("inserts");
    const std::int64_t loaded = measureInserts(twins, rows, out);
    step("finds");
    measureFinds(twins, loaded, out);
    step("walks");
    measureWalks(twins, loaded, out);
    step("locks");
    measureLocks(twins, out);
    step("transactions");
    measureTransactions(twins, loaded, out);
}

void measureSqlite(std::int64_t rows, std::vector<Measurement>& out)
{
    const ScratchDirectory scratch;
    Twins twins{"SQLite", storeWorkload(scratch.path() + "/" + uniqueName(), {}),
                sqliteWorkload(scratch.path() + "/raw.sqlite3")};
    measureEngine(twins, rows, out);
}

void measurePostgres(const std::string& conninfo, std::int64_t rows, std::vector<Measurement>& out)
{
    const ScratchDirectory scratch;
    const std::string name = uniqueName();
    Twins twins{"PostgreSQL", storeWorkload(scratch.path() + "/" + name, {conninfo}),
                postgresWorkload(conninfo, name + "_raw")};
    measureEngine(twins, rows, out);
}

int run(const Options& options)
{
    std::vector<Measurement> lines;
    measureSqlite(options.rows, lines);
    if (options.postgres.empty()) std::cerr << "PostgreSQL skipped: no --postgres connection string given.\n";
    else measurePostgres(options.postgres, options.rows, lines);
    std::cout << "\nOrvant store beside raw SQLite / libpq. SQLite files in /tmp (WAL, synchronous FULL).\n\n";
    const RoundPlan plan;
    printTable(std::cout, lines,
               std::to_string(plan.rounds) + " rounds of " + aboutSeconds(plan.seconds) +
                   ",\nor one transaction per round for the bulk insert");
    return 0;
}

}  // namespace
}  // namespace orvant::bench

int main(int argc, char** argv)
{
    try {
        return orvant::bench::run(orvant::bench::parseOptions(argc, argv));
    } catch (const std::exception& e) {
        std::cerr << "store_bench: " << e.what() << '\n';
        return 1;
    }
}
