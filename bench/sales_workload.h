#pragma once
// Sales postings for the benchmark: a sale of four rows posted through the sales posting, and
// the same rows written raw on the engine's client library.

#include <memory>
#include <string>

#include "posting_workstations.h"

namespace orvant::bench {

// Each posts sale number N as invoice "B" + N (through the posting) or "R" + N (raw), of client
// clientOf(N).

// Through the posting: checks, the client's lock, one transaction of journal, client, ledger
// and document record.
std::unique_ptr<Poster> postingPoster(const std::string& dataRoot, const store::StoreConfig& config);

// The same rows in one transaction, as plain SQL statements on the company's tables.
std::unique_ptr<Poster> rawPoster(const std::string& dataRoot, const store::StoreConfig& config);

}  // namespace orvant::bench
