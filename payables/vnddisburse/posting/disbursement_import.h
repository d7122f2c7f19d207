#pragma once
// Posting a file of cash disbursements, one JSON record per line, through the same checks and
// the same posting as the screen:
//
//   {"supplier": "SUP100", "reference": "CHQ2042", "date": "2026-03-20",
//    "payments": [{"invoice": "P100", "amount": "250.00"}]}
//
// The fields are listed in docs/disbursements-import.md. A disbursement without "rows" gets the
// screen's distribution: the payable and the bank rows following its payments. A disbursement
// refused is reported with its line and reason and leaves nothing; the others are posted.

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <variant>

#include "books/import_run.h"
#include "books/json_fields.h"
#include "disbursement_posting.h"

namespace orvant::disbursements {

using json::PaymentRecord;

struct DisbursementRecord {
    DisbursementDocument document;  // without its items: the payments name them
    std::vector<PaymentRecord> payments;
    bool rowsGiven = false;
    std::vector<std::pair<int, Money>> netPerRate;  // by the rate's code
};

// The record, or why its form is refused (types, widths, dates, amounts, at most 20 rows).
std::variant<DisbursementRecord, std::string> ReadDisbursementRecord(const std::string& line);


class DisbursementImport {
public:
    // The text of one of the disbursements screen's messages, in the language of the report.
    using MessageText = std::function<std::string(int number)>;

    // A disbursement of a supplier, reference and date already in the books is refused unless
    // `allowRepeats`.
    DisbursementImport(DisbursementBooks& books, PostingContext context, MessageText messageText, bool allowRepeats = false);

    // Each refused disbursement is told to `refused`; one whose supplier another workstation
    // holds waits for it, and is told once to `waiting` with who holds it.
    ImportTotals run(std::istream& in, const ImportRefused& refused, const ImportWaiting& waiting = {});
    // One record: nothing when it is posted, else why not; a store error propagates.
    std::optional<std::string> post(const std::string& line);

private:
    std::optional<std::string> applyPayments(DisbursementRecord& record);
    std::optional<std::string> answersFor(const DisbursementRecord& record, PostingAnswers& answers);
    std::string reason(const Refusal& refusal, const DisbursementDocument& disbursement) const;

    DisbursementBooks& books_;
    DisbursementPosting posting_;
    PostingContext context_;
    MessageText messageText_;
};

}  // namespace orvant::disbursements
