#pragma once
// One payable document as the bookkeeper enters it: a purchase (the supplier's invoice), a
// debit or credit note, an adjustment, or a direct cash purchase that touches no supplier; its
// header and its distribution of fifteen rows.

#include <optional>
#include <string>

#include "books/distribution.h"
#include "books/document_texts.h"
#include "dates/date.h"

namespace orvant::purchases {

// In the order of the screen's list.
enum class PurchaseType { Purchase = 0, Debit = 1, Credit = 2, Adjustment = 3 };

// The code written to the ledger and the document record: "1", "4", "5" or "3".
const char* TypeCode(PurchaseType type);
// The type of a list index (0 to 3); nothing outside.
std::optional<PurchaseType> TypeFromIndex(int index);

inline constexpr const char* kHoldbackTypeCode = "6";

inline constexpr int kDistributionRows = 15;

// Widths of the header's texts, in characters.
inline constexpr int kSupplierWidth = 10;
inline constexpr int kNumberWidth = 10;
inline constexpr int kCommentWidth = 200;  // what the supplier ledger keeps of the comment
inline constexpr int kRowDescriptionWidth = 60;

using orvant::CodeAsKept;
using orvant::HoldsControlCharacter;
using orvant::InvoiceNumberAsKept;

struct PurchaseDocument {
    std::string supplier;  // empty for a direct cash purchase
    bool directCash = false;
    PurchaseType type = PurchaseType::Purchase;
    std::string invoice;    // the supplier's invoice, or the invoice a note applies to
    std::string reference;  // the note's own number
    Date date;
    Date dueDate;
    std::string comment;
    Distribution rows{kDistributionRows};

    bool isNote() const { return type != PurchaseType::Purchase; }
};

}  // namespace orvant::purchases
