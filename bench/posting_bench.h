#pragma once
// The whole of a posting benchmark: its command line, one and four workstations measured on each
// engine beside the raw twin, and the printed table. Each bench main describes its own posting.

#include <functional>
#include <string>

#include "posting_workstations.h"
#include "timing.h"

namespace orvant::bench {

struct PostingBench {
    std::string program;      // "sales_bench", named in the usage and in errors
    std::string countOption;  // "--sales": documents per workstation and round of the four
    long count = 300;
    MakePoster posting;
    MakePoster raw;
    // Writes beforehand what `documents` documents numbered from 1 need (the invoices a payment
    // pays); none when a document stands alone.
    std::function<void(const ScratchBooks& books, long documents)> prepare;
    RoundPlan oneWorkstationPlan;
    long batch = 1;  // documents per call from one workstation
    std::string unit;            // "sales/s"
    std::string oneOperation;    // the table's line for one workstation
    std::string fourOperation;   // the table's line for four workstations
    std::string title;           // above the table
};

// Reads `[--postgres CONNINFO] [<countOption> N]`, measures, prints; the process's exit code.
int runPostingBench(const PostingBench& bench, int argc, char** argv);

}  // namespace orvant::bench
