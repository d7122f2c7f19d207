// Purchase postings per second on each engine, from one workstation and from four at once, beside
// the same rows written raw in one transaction per purchase.
//
//     purchases_bench [--postgres CONNINFO] [--purchases N]
//
// Each measurement posts into the demo company of a scratch data root; four workstations are
// four processes, each with its own connection, posting N purchases of its own, each for a
// supplier of its own.

#include "posting_bench.h"
#include "purchases_workload.h"

int main(int argc, char** argv)
{
    using namespace orvant::bench;
    return runPostingBench({.program = "purchases_bench",
                            .countOption = "--purchases",
                            .count = 300,
                            .posting = purchasePostingPoster,
                            .raw = purchaseRawPoster,
                            .prepare = nullptr,
                            .oneWorkstationPlan = {9, 0.4},
                            .batch = 1,
                            .unit = "purch./s",
                            .oneOperation = "post a purchase of 4 rows, one workstation",
                            .fourOperation = "post purchases of 4 rows, four workstations",
                            .title = "Purchase postings beside the same rows written raw, one transaction per purchase"},
                           argc, argv);
}
