// Sales postings per second on each engine, from one workstation and from four at once, beside
// the same rows written raw in one transaction per sale.
//
//     sales_bench [--postgres CONNINFO] [--sales N]
//
// Each measurement posts into the demo company of a scratch data root; four workstations are
// four processes, each with its own connection, posting N sales of its own.

#include "posting_bench.h"
#include "sales_workload.h"

int main(int argc, char** argv)
{
    using namespace orvant::bench;
    return runPostingBench({.program = "sales_bench",
                            .countOption = "--sales",
                            .count = 300,
                            .posting = postingPoster,
                            .raw = rawPoster,
                            .prepare = nullptr,
                            .oneWorkstationPlan = {9, 0.4},
                            .batch = 1,
                            .unit = "sales/s",
                            .oneOperation = "post a sale of 4 rows, one workstation",
                            .fourOperation = "post sales of 4 rows, four workstations",
                            .title = "Sales postings beside the same rows written raw, one transaction per sale"},
                           argc, argv);
}
