#pragma once
// One cash disbursement as the bookkeeper enters it: to a supplier, with the payments typed on
// the supplier's open items, or not to a supplier (an expense paid directly); its header and
// its distribution of up to twenty rows.

#include <string>
#include <vector>

#include "books/distribution.h"
#include "books/open_items.h"
#include "dates/date.h"

namespace orvant::disbursements {

inline constexpr int kDistributionRows = 20;

// Widths of the header's texts, in characters.
inline constexpr int kSupplierWidth = 10;
inline constexpr int kReferenceWidth = 10;
inline constexpr int kMemoWidth = 200;  // what the supplier ledger keeps of the memo
inline constexpr int kRowDescriptionWidth = 30;

struct DisbursementDocument {
    std::string supplier;  // empty when not to a supplier
    bool notToSupplier = false;
    Date date;
    std::string reference;  // the cheque or payment number
    std::string memo;
    // The supplier's open items as shown, each with the payment typed (0: none). A holdback
    // item keeps its own invoice number and its holdback flag; the screen shows it under the
    // holdback word.
    std::vector<OpenItem> items;
    Distribution rows{kDistributionRows};

    bool toSupplier() const { return !notToSupplier; }
};

}  // namespace orvant::disbursements
