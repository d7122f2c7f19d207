#include "posting_bench.h"

#include <iostream>
#include <optional>
#include <stdexcept>
#include <vector>

#include "one_core.h"
#include "report.h"

namespace orvant::bench {
namespace {

constexpr RoundPlan kFourWorkstationPlan{15, 0.0};

struct Options {
    std::string postgres;
    long count = 0;
};

Options parseOptions(const PostingBench& bench, int argc, char** argv)
{
    Options options{{}, bench.count};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--postgres" && i + 1 < argc) options.postgres = argv[++i];
        else if (arg == bench.countOption && i + 1 < argc) options.count = std::stol(argv[++i]);
        else throw std::invalid_argument("usage: " + bench.program + " [--postgres CONNINFO] [" + bench.countOption + " N]");
    }
    return options;
}

void prepare(const PostingBench& bench, const ScratchBooks& books, long documents)
{
    if (bench.prepare) bench.prepare(books, documents);
}

Measurement measureOneWorkstation(const PostingBench& bench, const std::string& engine, const store::StoreConfig& config)
{
    const ScratchBooks books(config);
    prepare(bench, books, bench.oneWorkstationPlan.rounds * bench.batch);
    std::optional<OneCore> oneCore;  // the workstation and its server process on one core
    if (config.isPostgres()) oneCore.emplace(config.postgres);
    auto posting = bench.posting(books.dataRoot(), config);
    auto raw = bench.raw(books.dataRoot(), config);
    long nextPosted = 1, nextRaw = 1;
    const Work store = oneWorkstation(*posting, nextPosted, bench.batch);
    const Work rawWork = oneWorkstation(*raw, nextRaw, bench.batch);
    return {engine, bench.oneOperation, bench.unit, measure(bench.oneWorkstationPlan, store, &rawWork)};
}

Measurement measureFourWorkstations(const PostingBench& bench, const std::string& engine, const store::StoreConfig& config,
                                    long count)
{
    const ScratchBooks books(config);
    // Each round posts the next 4 * count numbers.
    prepare(bench, books, kFourWorkstationPlan.rounds * 4 * count);
    long nextPosted = 1, nextRaw = 1;
    FourWorkstations posting(books, bench.posting, count, nextPosted), raw(books, bench.raw, count, nextRaw);
    const Work store = [&] { return posting.go(); };
    const Work rawWork = [&] { return raw.go(); };
    const auto getReady = [&] {
        posting.getReady();
        raw.getReady();
    };
    return {engine, bench.fourOperation, bench.unit, measure(kFourWorkstationPlan, store, &rawWork, getReady)};
}

void measureEngine(const PostingBench& bench, const std::string& engine, const store::StoreConfig& config, long count,
                   std::vector<Measurement>& out)
{
    std::cerr << engine << ": one workstation...\n";
    out.push_back(measureOneWorkstation(bench, engine, config));
    std::cerr << engine << ": four workstations...\n";
    out.push_back(measureFourWorkstations(bench, engine, config, count));
}

void run(const PostingBench& bench, const Options& options)
{
    std::vector<Measurement> lines;
    measureEngine(bench, "SQLite", {}, options.count, lines);
    if (options.postgres.empty()) std::cerr << "PostgreSQL skipped: no --postgres connection string given.\n";
    else measureEngine(bench, "PostgreSQL", {options.postgres}, options.count, lines);
    std::cout << "\n" << bench.title << " (SQLite: WAL, synchronous FULL).\n\n";
    const RoundPlan one = bench.oneWorkstationPlan;
    const std::string oneRound = one.seconds > 0 ? " (" + aboutSeconds(one.seconds) + " each)"
                                                 : " of " + std::to_string(bench.batch) + " documents";
    printTable(std::cout, lines,
               "one workstation, " + std::to_string(one.rounds) + " rounds" + oneRound + ";\nfour workstations, " +
                   std::to_string(kFourWorkstationPlan.rounds) + " rounds of " + std::to_string(options.count) + " documents from each");
}

}  // namespace

int runPostingBench(const PostingBench& bench, int argc, char** argv)
{
    try {
        run(bench, parseOptions(bench, argc, argv));
        return 0;
    } catch (const std::exception& e) {
        std::cerr << bench.program << ": " << e.what() << "\n";
        return 2;
    }
}

}  // namespace orvant::bench
