// Cash receipt postings per second on each engine, from one workstation and from four at once,
// beside the same rows written raw in one transaction per receipt.
//
//     receipts_bench [--postgres CONNINFO] [--receipts N]
//
// Each measurement posts into the demo company of a scratch data root whose invoices were
// written beforehand; four workstations are four processes, each with its own connection,
// posting N receipts of its own on the five clients they share.

#include <iostream>
#include <stdexcept>

#include "report.h"
#include "receipts_workload.h"
#include "sales_workload.h"

namespace orvant::bench {
namespace {

struct Options {
    std::string postgres;
    long receipts = 150;  // per workstation and round of the four-workstation measure
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--postgres" && i + 1 < argc) options.postgres = argv[++i];
        else if (arg == "--receipts" && i + 1 < argc) options.receipts = std::stol(argv[++i]);
        else throw std::invalid_argument("usage: receipts_bench [--postgres CONNINFO] [--receipts N]");
    }
    return options;
}

// Invoices "R1" to "R<count>", written raw, for the receipts to pay.
void writeInvoices(const ScratchBooks& books, long count)
{
    auto invoices = rawPoster(books.dataRoot(), books.config());
    for (long n = 1; n <= count; ++n) invoices->post(n);
}

void measureEngine(const std::string& engine, const store::StoreConfig& config, long receipts, std::vector<Measurement>& out)
{
    constexpr int kRounds = 5, kFourRounds = 3;
    constexpr long kBatch = 50;
    std::cerr << engine << ": one workstation...\n";
    {
        const ScratchBooks books(config);
        writeInvoices(books, kRounds * kBatch);
        auto posting = receiptPostingPoster(books.dataRoot(), config);
        auto raw = receiptRawPoster(books.dataRoot(), config);
        long nextPosted = 1, nextRaw = 1;
        const Work store = oneWorkstation(*posting, nextPosted, kBatch), rawWork = oneWorkstation(*raw, nextRaw, kBatch);
        out.push_back({engine, "post a receipt, one workstation", "receipts/s", measure({kRounds, 0.0}, store, &rawWork)});
    }
    std::cerr << engine << ": four workstations...\n";
    {
        const ScratchBooks books(config);
        writeInvoices(books, kFourRounds * 4 * (receipts + 1));
        long nextPosted = 1, nextRaw = 1;
        const Work store = fourWorkstations(books, receiptPostingPoster, receipts, nextPosted);
        const Work rawWork = fourWorkstations(books, receiptRawPoster, receipts, nextRaw);
        out.push_back({engine, "post receipts, four workstations", "receipts/s", measure({kFourRounds, 0.0}, store, &rawWork)});
    }
}

int run(const Options& options)
{
    std::vector<Measurement> lines;
    measureEngine("SQLite", {}, options.receipts, lines);
    if (options.postgres.empty()) std::cerr << "PostgreSQL skipped: no --postgres connection string given.\n";
    else measureEngine("PostgreSQL", {options.postgres}, options.receipts, lines);
    std::cout << "\nCash receipt postings beside the same rows written raw, one transaction per receipt "
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
        std::cerr << "receipts_bench: " << e.what() << "\n";
        return 2;
    }
}
