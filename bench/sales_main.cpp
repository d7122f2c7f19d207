// Sales postings per second on each engine, from one workstation and from four at once, beside
// the same rows written raw in one transaction per sale.
//
//     sales_bench [--postgres CONNINFO] [--sales N]
//
// Each measurement posts into the demo company of a scratch data root; four workstations are
// four processes, each with its own connection, posting N sales of its own.

#include <iostream>
#include <stdexcept>

#include "report.h"
#include "sales_workload.h"

namespace orvant::bench {
namespace {

struct Options {
    std::string postgres;
    long sales = 300;  // per workstation and round of the four-workstation measure
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--postgres" && i + 1 < argc) options.postgres = argv[++i];
        else if (arg == "--sales" && i + 1 < argc) options.sales = std::stol(argv[++i]);
        else throw std::invalid_argument("usage: sales_bench [--postgres CONNINFO] [--sales N]");
    }
    return options;
}

void measureEngine(const std::string& engine, const store::StoreConfig& config, long sales, std::vector<Measurement>& out)
{
    std::cerr << engine << ": one workstation...\n";
    {
        const ScratchBooks books(config);
        auto posting = postingPoster(books.dataRoot(), config);
        auto raw = rawPoster(books.dataRoot(), config);
        long nextPosted = 1, nextRaw = 1;
        const Work store = oneWorkstation(*posting, nextPosted), rawWork = oneWorkstation(*raw, nextRaw);
        out.push_back({engine, "post a sale of 4 rows, one workstation", "sales/s", measure({5, 0.5}, store, &rawWork)});
    }
    std::cerr << engine << ": four workstations...\n";
    {
        const ScratchBooks books(config);
        long nextPosted = 1, nextRaw = 1;
        const Work store = fourWorkstations(books, postingPoster, sales, nextPosted);
        const Work rawWork = fourWorkstations(books, rawPoster, sales, nextRaw);
        out.push_back({engine, "post sales of 4 rows, four workstations", "sales/s", measure({3, 0.0}, store, &rawWork)});
    }
}

int run(const Options& options)
{
    std::vector<Measurement> lines;
    measureEngine("SQLite", {}, options.sales, lines);
    if (options.postgres.empty()) std::cerr << "PostgreSQL skipped: no --postgres connection string given.\n";
    else measureEngine("PostgreSQL", {options.postgres}, options.sales, lines);
    std::cout << "\nSales postings beside the same rows written raw, one transaction per sale "
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
        std::cerr << "sales_bench: " << e.what() << "\n";
        return 2;
    }
}
