#pragma once
// Cash disbursements for the benchmark: disbursement number N pays 50.00 of invoice "R" + N, a
// purchase from supplier supplierOf(N) written beforehand, through the disbursements posting or as
// the same rows raw.

#include <memory>
#include <string>

#include "posting_workstations.h"

namespace orvant::bench {

inline constexpr long long kDisbursementCents = 5000;

// Through the posting, as an import posts it: the supplier and the open item paid read, the
// distribution following the payment, the checks, then under the supplier's lock one transaction
// that reads the item again and writes journal, bank line, history, ledger entry and supplier.
std::unique_ptr<Poster> disbursementPostingPoster(const std::string& dataRoot, const store::StoreConfig& config);

// The same rows in one transaction, as plain SQL statements on the company's tables, after the
// reads a posting makes under the supplier's lock: the supplier's balance, the document's
// reference, the item's open amount.
std::unique_ptr<Poster> disbursementRawPoster(const std::string& dataRoot, const store::StoreConfig& config);

// Purchase invoice "R" + N of 200.00, its ledger entry and the supplier's balance, written raw:
// what the disbursements pay.
std::unique_ptr<Poster> purchaseInvoicePoster(const std::string& dataRoot, const store::StoreConfig& config);

}  // namespace orvant::bench
