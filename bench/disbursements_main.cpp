// Cash disbursement postings per second on each engine, from one workstation and from four at
// once, beside the same rows written raw in one transaction per disbursement.
//
//     disbursements_bench [--postgres CONNINFO] [--disbursements N]
//
// Each measurement posts into the demo company of a scratch data root whose purchase invoices
// were written beforehand; four workstations are four processes, each with its own connection,
// posting N disbursements of its own, each for a supplier of its own.

#include "disbursements_workload.h"
#include "posting_bench.h"

namespace {

// Purchase invoices "R1" to "R<count>", written raw, for the disbursements to pay.
void writeInvoices(const orvant::bench::ScratchBooks& books, long count)
{
    auto invoices = orvant::bench::purchaseInvoicePoster(books.dataRoot(), books.config());
    for (long n = 1; n <= count; ++n) invoices->post(n);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace orvant::bench;
    return runPostingBench({.program = "disbursements_bench",
                            .countOption = "--disbursements",
                            .count = 300,
                            .posting = disbursementPostingPoster,
                            .raw = disbursementRawPoster,
                            .prepare = writeInvoices,
                            .oneWorkstationPlan = {15, 0.0},
                            .batch = 100,
                            .unit = "disb./s",
                            .oneOperation = "post a disbursement, one workstation",
                            .fourOperation = "post disbursements, four workstations",
                            .title = "Cash disbursement postings beside the same rows written raw, one transaction per disbursement"},
                           argc, argv);
}
