// Cash receipt postings per second on each engine, from one workstation and from four at once,
// beside the same rows written raw in one transaction per receipt.
//
//     receipts_bench [--postgres CONNINFO] [--receipts N]
//
// Each measurement posts into the demo company of a scratch data root whose invoices were
// written beforehand; four workstations are four processes, each with its own connection,
// posting N receipts of its own, each for a client of its own.

#include "posting_bench.h"
#include "receipts_workload.h"
#include "sales_workload.h"

namespace {

// Invoices "R1" to "R<count>", written raw, for the receipts to pay.
void writeInvoices(const orvant::bench::ScratchBooks& books, long count)
{
    auto invoices = orvant::bench::rawPoster(books.dataRoot(), books.config());
    for (long n = 1; n <= count; ++n) invoices->post(n);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace orvant::bench;
    return runPostingBench({.program = "receipts_bench",
                            .countOption = "--receipts",
                            .count = 300,
                            .posting = receiptPostingPoster,
                            .raw = receiptRawPoster,
                            .prepare = writeInvoices,
                            .oneWorkstationPlan = {15, 0.0},
                            .batch = 100,
                            .unit = "receipts/s",
                            .oneOperation = "post a receipt, one workstation",
                            .fourOperation = "post receipts, four workstations",
                            .title = "Cash receipt postings beside the same rows written raw, one transaction per receipt"},
                           argc, argv);
}
