#pragma once
// Sales postings for the benchmark: a sale of four rows posted through the sales posting, and
// the same rows written raw on the engine's client library.

#include <memory>
#include <string>

#include "store/backend.h"

namespace orvant::bench {

// Posts sale number `number` (a new invoice each time) into company 1 of the data root.
class SalesPoster {
public:
    virtual ~SalesPoster() = default;
    virtual void post(long number) = 0;
};

// Through the posting: checks, the client's lock, one transaction of journal, client, ledger
// and document record.
std::unique_ptr<SalesPoster> postingPoster(const std::string& dataRoot, const store::StoreConfig& config);

// The same rows in one transaction, as plain SQL statements on the company's tables.
std::unique_ptr<SalesPoster> rawPoster(const std::string& dataRoot, const store::StoreConfig& config);

}  // namespace orvant::bench
