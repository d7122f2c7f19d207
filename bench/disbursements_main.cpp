// Cash disbursement postings per second on each engine, from one workstation and from four at
// once, beside the same rows written raw in one transaction per disbursement.
//
//     disbursements_bench [--postgres CONNINFO] [--disbursements N]
//
// Each measurement posts into the demo company of a scratch data root whose purchase invoices
// were written beforehand; four workstations are four processes, each with its own connection,
// posting N disbursements of its own on the four suppliers they share.

#include <iostream>
#include <stdexcept>

#include "report.h"
#include "disbursements_workload.h"

namespace orvant::bench {
namespace {

struct Options {
    std::string postgres;
    long disbursements = 150;  // per workstation and round of the four-workstation measure
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--postgres" && i + 1 < argc) options.postgres = argv[++i];
        else if (arg == "--disbursements" && i + 1 < argc) options.disbursements = std::stol(argv[++i]);
        else throw std::invalid_argument("usage: disbursements_bench [--postgres CONNINFO] [--disbursements N]");
    }
    return options;
}

// Purchase invoices "R1" to "R<count>", written raw, for the disbursements to pay.
void writeInvoices(const ScratchBooks& books, long count)
{
    auto invoices = purchaseInvoicePoster(books.dataRoot(), books.config());
    for (long n = 1; n <= count; ++n) invoices->post(n);
}

void measureEngine(const std::string& engine, const store::StoreConfig& config, long disbursements, std::vector<Measurement>& out)
{
    constexpr int kRounds = 5, kFourRounds = 3;
    constexpr long kBatch = 50;
    std::cerr << engine << ": one workstation...\n";
    {
        const ScratchBooks books(config);
        writeInvoices(books, kRounds * kBatch);
        auto posting = disbursementPostingPoster(books.dataRoot(), config);
        auto raw = disbursementRawPoster(books.dataRoot(), config);
        long nextPosted = 1, nextRaw = 1;
        const Work store = oneWorkstation(*posting, nextPosted, kBatch), rawWork = oneWorkstation(*raw, nextRaw, kBatch);
        out.push_back({engine, "post a disbursement, one workstation", "disb./s", measure({kRounds, 0.0}, store, &rawWork)});
    }
    std::cerr << engine << ": four workstations...\n";
    {
        const ScratchBooks books(config);
        writeInvoices(books, kFourRounds * 4 * (disbursements + 1));
        long nextPosted = 1, nextRaw = 1;
        const Work store = fourWorkstations(books, disbursementPostingPoster, disbursements, nextPosted);
        const Work rawWork = fourWorkstations(books, disbursementRawPoster, disbursements, nextRaw);
        out.push_back({engine, "post disbursements, four workstations", "disb./s", measure({kFourRounds, 0.0}, store, &rawWork)});
    }
}

int run(const Options& options)
{
    std::vector<Measurement> lines;
    measureEngine("SQLite", {}, options.disbursements, lines);
    if (options.postgres.empty()) std::cerr << "PostgreSQL skipped: no --postgres connection string given.\n";
    else measureEngine("PostgreSQL", {options.postgres}, options.disbursements, lines);
    std::cout << "\nCash disbursement postings beside the same rows written raw, one transaction per disbursement "
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
        std::cerr << "disbursements_bench: " << e.what() << "\n";
        return 2;
    }
}
