#pragma once
// The printed result: one line per engine and operation, the store's rate beside its raw
// twin's, and how many times longer the store takes for the same work.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "timing.h"

namespace orvant::bench {

struct Measurement {
    std::string engine;
    std::string operation;
    std::string unit;  // "rows/s", "ops/s" ...
    Rates rates;
};

// 1234567 as "1,234,567".
std::string grouped(std::int64_t n);

// A round's length for the table's footer: 0.4 as "about 0.4 s".
std::string aboutSeconds(double seconds);

// The table, then how its rates were taken: `rounds` says how many rounds of what work each
// rate is the median of.
void printTable(std::ostream& out, const std::vector<Measurement>& lines, const std::string& rounds);

}  // namespace orvant::bench
