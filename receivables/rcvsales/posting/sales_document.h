#pragma once
// One receivable document as the bookkeeper enters it: a sale, a debit or credit note, an
// adjustment, or a direct cash sale that touches no client; its header and its distribution.

#include <optional>
#include <string>

#include "books/distribution.h"
#include "books/document_texts.h"
#include "dates/date.h"

namespace orvant::sales {

// In the order of the screen's list.
enum class SalesType { Sale = 0, Debit = 1, Credit = 2, Adjustment = 3 };

// The code written to the ledger and the document record: "1", "4", "5" or "3".
const char* TypeCode(SalesType type);
// The type of a list index (0 to 3); nothing outside.
std::optional<SalesType> TypeFromIndex(int index);

inline constexpr const char* kHoldbackTypeCode = "6";

// Rows of the distribution: nine are shown; 13 to 15 receive the holdback.
inline constexpr int kDistributionRows = 15;
inline constexpr int kVisibleRows = 9;

// Widths of the header's texts, in characters.
inline constexpr int kClientWidth = 10;
inline constexpr int kNumberWidth = 10;
inline constexpr int kCommentWidth = 200;  // what the client ledger keeps of the comment
inline constexpr int kRowDescriptionWidth = 40;

using orvant::CodeAsKept;
using orvant::HoldsControlCharacter;
using orvant::InvoiceNumberAsKept;

struct SalesDocument {
    std::string client;  // empty for a direct cash sale
    bool directCash = false;
    SalesType type = SalesType::Sale;
    std::string invoice;    // the invoice, or the invoice a note applies to
    std::string reference;  // the note's own number
    Date date;
    Date dueDate;
    std::string comment;
    Distribution rows{kDistributionRows};

    bool isNote() const { return type != SalesType::Sale; }
};

}  // namespace orvant::sales
