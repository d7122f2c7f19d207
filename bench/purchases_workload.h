#pragma once
// Purchases for the benchmark: a supplier's invoice of four rows posted through the purchases
// posting, and the same rows written raw on the engine's client library.

#include <memory>
#include <string>

#include "posting_workstations.h"

namespace orvant::bench {

// Each posts purchase number N as invoice "B" + N (through the posting) or "R" + N (raw), of
// supplier supplierOf(N).

// Through the posting: checks, the supplier's lock, one transaction of journal, supplier,
// ledger and document record.
std::unique_ptr<Poster> purchasePostingPoster(const std::string& dataRoot, const store::StoreConfig& config);

// The same rows in one transaction, as plain SQL statements on the company's tables.
std::unique_ptr<Poster> purchaseRawPoster(const std::string& dataRoot, const store::StoreConfig& config);

}  // namespace orvant::bench
