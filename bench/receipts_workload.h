#pragma once
// Cash receipts for the benchmark: receipt number N pays 50.00 of invoice "R" + N, a sale of
// client clientOf(N) written beforehand, through the receipts posting or as the same rows raw.

#include <memory>
#include <string>

#include "posting_workstations.h"

namespace orvant::bench {

inline constexpr long long kReceiptCents = 5000;

// Through the posting, as an import posts it: the client and the open item paid read, the
// distribution following the payment, the checks, then under the client's lock one transaction
// that reads the item again and writes journal, bank line, history, ledger entry and client.
std::unique_ptr<Poster> receiptPostingPoster(const std::string& dataRoot, const store::StoreConfig& config);

// The same rows in one transaction, as plain SQL statements on the company's tables, after the
// reads a posting makes under the client's lock: the client's balance, the document's
// reference, the item's open amount.
std::unique_ptr<Poster> receiptRawPoster(const std::string& dataRoot, const store::StoreConfig& config);

}  // namespace orvant::bench
