#pragma once
// The document behind a line of a party's statement. A payment line ("2") leads to its receipt
// or disbursement; any other line to the first of these that exists: the archived invoice, the
// current invoice (client inquiry only), the sale or purchase as entered, the receipt or
// disbursement. Every match includes the party, so another party's document of the same number
// is never shown. A line whose document is not kept finds nothing: the screen says message 6.
// A line read from the history finds its documents the same way.

#include <cstdint>

#include "inquiry_ledger.h"
#include "statement.h"
#include "store/database.h"

namespace orvant::inquiry {

enum class DocumentKind { None, ArchivedInvoice, CurrentInvoice, Entered, Payment };

struct DocumentLocation {
    DocumentKind kind = DocumentKind::None;
    StatementLine line;     // the statement line it was found from
    std::int64_t seq = 0;   // the document's own number (Seq of the entered document or payment header)

    bool found() const { return kind != DocumentKind::None; }
};

class DocumentLocator {
public:
    DocumentLocator(store::Database& books, const InquiryLedger& ledger) : books_(books), ledger_(ledger) {}

    DocumentLocation locate(const StatementLine& line) const;

private:
    bool invoiceKept(const char* table, const StatementLine& line) const;
    std::int64_t enteredDocument(const StatementLine& line) const;  // 0 when none
    std::int64_t paymentHeader(const StatementLine& line) const;    // 0 when none

    store::Database& books_;
    const InquiryLedger& ledger_;
};

}  // namespace orvant::inquiry
