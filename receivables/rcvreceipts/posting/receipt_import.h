#pragma once
// Posting a file of cash receipts, one JSON record per line, through the same checks and the
// same posting as the screen:
//
//   {"client": "ABC100", "reference": "CHQ1042", "date": "2026-03-20",
//    "payments": [{"invoice": "A100", "amount": "250.00"}]}
//
// The fields are listed in docs/receipts-import.md. A receipt without "rows" gets the screen's
// distribution: the receivable and the bank lines following its payments. A receipt refused is
// reported with its line and reason and leaves nothing; the others are posted.

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <variant>

#include "books/import_run.h"
#include "books/json_fields.h"
#include "receipt_posting.h"

namespace orvant::receipts {

using json::PaymentRecord;

struct ReceiptRecord {
    ReceiptDocument document;  // without its items: the payments name them
    std::vector<PaymentRecord> payments;
    bool rowsGiven = false;
    std::vector<std::pair<int, Money>> netPerRate;  // by the rate's code
};

// The record, or why its form is refused (types, widths, dates, amounts, at most 20 lines).
std::variant<ReceiptRecord, std::string> ReadReceiptRecord(const std::string& line);


class ReceiptImport {
public:
    // The text of one of the receipts screen's messages, in the language of the report.
    using MessageText = std::function<std::string(int number)>;

    // A receipt of a client, reference and date already in the books is refused unless
    // `allowRepeats`.
    ReceiptImport(ReceiptBooks& books, PostingContext context, MessageText messageText, bool allowRepeats = false);

    // Each refused receipt is told to `refused`; a receipt whose client another workstation holds
    // waits for it, and is told once to `waiting` with who holds it.
    ImportTotals run(std::istream& in, const ImportRefused& refused, const ImportWaiting& waiting = {});
    // One record: nothing when it is posted, else why not; a store error propagates.
    std::optional<std::string> post(const std::string& line);

private:
    std::optional<std::string> applyPayments(ReceiptRecord& record);
    std::optional<std::string> answersFor(const ReceiptRecord& record, PostingAnswers& answers);
    std::string reason(const Refusal& refusal, const ReceiptDocument& receipt) const;

    ReceiptBooks& books_;
    ReceiptPosting posting_;
    PostingContext context_;
    MessageText messageText_;
};

}  // namespace orvant::receipts
