// Purchase postings per second on each engine, from one workstation and from four at once, beside
// the same rows written raw in one transaction per purchase.
//
//     purchases_bench [--postgres CONNINFO] [--purchases N]
//
// Each measurement posts into the demo company of a scratch data root; four workstations are
// four processes, each with its own connection, posting N purchases of its own on the four
// suppliers they share.

#include <iostream>
#include <stdexcept>

#include "report.h"
#include "purchases_workload.h"

namespace orvant::bench {
namespace {

struct Options {
    std::string postgres;
    long purchases = 300;  // per workstation and round of the four-workstation measure
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--postgres" && i + 1 < argc) options.postgres = argv[++i];
        else if (arg == "--purchases" && i + 1 < argc) options.purchases = std::stol(argv[++i]);
        else throw std::invalid_argument("usage: purchases_bench [--postgres CONNINFO] [--purchases N]");
    }
    return options;
}

void measureEngine(const std::string& engine, const store::StoreConfig& config, long purchases, std::vector<Measurement>& out)
{
    std::cerr << engine << ": one workstation...\n";
    {
        const ScratchBooks books(config);
        auto posting = purchasePostingPoster(books.dataRoot(), config);
        auto raw = purchaseRawPoster(books.dataRoot(), config);
        long nextPosted = 1, nextRaw = 1;
        const Work store = oneWorkstation(*posting, nextPosted), rawWork = oneWorkstation(*raw, nextRaw);
        out.push_back({engine, "post a purchase of 4 rows, one workstation", "purch./s", measure({5, 0.5}, store, &rawWork)});
    }
    std::cerr << engine << ": four workstations...\n";
    {
        const ScratchBooks books(config);
        long nextPosted = 1, nextRaw = 1;
        const Work store = fourWorkstations(books, purchasePostingPoster, purchases, nextPosted);
        const Work rawWork = fourWorkstations(books, purchaseRawPoster, purchases, nextRaw);
        out.push_back({engine, "post purchases of 4 rows, four workstations", "purch./s", measure({3, 0.0}, store, &rawWork)});
    }
}

int run(const Options& options)
{
    std::vector<Measurement> lines;
    measureEngine("SQLite", {}, options.purchases, lines);
    if (options.postgres.empty()) std::cerr << "PostgreSQL skipped: no --postgres connection string given.\n";
    else measureEngine("PostgreSQL", {options.postgres}, options.purchases, lines);
    std::cout << "\nPurchase postings beside the same rows written raw, one transaction per purchase "
                 "(SQLite: WAL, synchronous FULL).\n\n";
    printTable(std::cout, lines);
    return 0;
}

}  // namespace
}  // namespace orvant::bench

int main(int argc, char** argv)
{
    try {
        return orvant::bench::run(orvant::bench::parseOptions(argc, argv));
    } catch (const std::exception& e) {
        std::cerr << "purchases_bench: " << e.what() << "\n";
        return 2;
    }
}
