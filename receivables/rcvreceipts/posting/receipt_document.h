#pragma once
// One cash receipt as the bookkeeper enters it: from a client, with the payments typed on the
// client's open items, or not from a client; its header and its distribution of up to twenty
// lines.

#include <string>
#include <vector>

#include "books/distribution.h"
#include "books/open_items.h"
#include "dates/date.h"

namespace orvant::receipts {

inline constexpr int kDistributionRows = 20;

// Widths of the header's texts, in characters.
inline constexpr int kClientWidth = 10;
inline constexpr int kReferenceWidth = 10;
inline constexpr int kMemoWidth = 200;  // what the client ledger keeps of the memo
inline constexpr int kRowDescriptionWidth = 30;

struct ReceiptDocument {
    std::string client;  // empty when not from a client
    bool notFromClient = false;
    bool nsfCheque = false;  // the receipt is a cheque returned for insufficient funds
    Date date;
    std::string reference;  // the cheque or receipt number
    std::string memo;
    // The client's open items as shown, each with the payment typed (0: none).
    std::vector<OpenItem> items;
    Distribution rows{kDistributionRows};

    bool fromClient() const { return !notFromClient; }
};

}  // namespace orvant::receipts
