#pragma once
// The posting of a cash receipt, in the suite's four steps: the tax-per-rate lines to ask are
// worked out first, then the answers and the holdback collection applied to the distribution
// (nothing written); then the client record is locked, waiting while another workstation holds
// it; then one transaction reads every paid item's open amount again and writes the journal,
// the bank reconciliation, the receipt's history, the ledger entries, the client and the tax
// report; the commit puts the receipt in the books whole, or a refusal or failure leaves
// nothing.
//
// What the ledger, the client's balance and the journal move is one amount, R: the debits less
// the credits of the lines on the client's receivable account and on the receivable holdback
// account. Each payment writes its entry; when the payments P do not account for R, one more
// entry of R + P does (type "4" when positive, "5" when negative).

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "books/bank_line_writer.h"
#include "books/distribution_slots.h"
#include "books/journal_writer.h"
#include "books/ledger_writer.h"
#include "books/tax_report_writer.h"
#include "receipt_books.h"
#include "receipt_check.h"
#include "receipt_document.h"
#include "sidedialogs/tax_per_rate.h"
#include "store/lock_retry.h"

namespace orvant::receipts {

// Ledger codes of a receipt's entries.
inline constexpr const char* kPaymentType = "2";
inline constexpr const char* kReceivableDebitedType = "4";
inline constexpr const char* kReceivableCreditedType = "5";

// What the tax-per-rate dialog answered: the lines with their net amounts typed.
struct PostingAnswers {
    std::vector<sidedialogs::TaxPerRateLine> taxes;
};

// The taxes a collected holdback takes out of the tax holdback accounts.
struct HoldbackCollection {
    int item = 0;  // index of the open item
    Money federalTax, provincialTax;
};

// The receipt as it will be written.
struct PreparedReceipt {
    ReceiptDocument document;  // its lines after the holdback collection
    int journal = 2;
    std::vector<HoldbackCollection> collections;
    std::vector<sidedialogs::TaxPerRateLine> taxes;  // signed
};

struct PostingContext {
    int period = 0;
    std::string user;
    store::LockRetry lockRetry;
    // A receipt whose client, reference and date are in the books already may be posted again:
    // the user said so, or the import was told to.
    bool repeatAllowed = false;
};

class ReceiptPosting {
public:
    explicit ReceiptPosting(ReceiptBooks& books);

    // The lines of the tax-per-rate dialog; none when the company reports no taxes per rate.
    std::vector<sidedialogs::TaxPerRateLine> taxLinesToAsk(const ReceiptDocument& receipt) const;

    // Applies the answers and collects the holdbacks paid; refused when the collection needs
    // more lines than the distribution holds. Nothing is written.
    std::variant<PreparedReceipt, Refusal> prepare(const ReceiptDocument& receipt, PostingAnswers answers);
    // The same on the receipt's client as read already (nothing for a receipt not from a client).
    std::variant<PreparedReceipt, Refusal> prepare(const ReceiptDocument& receipt, PostingAnswers answers,
                                                   const std::optional<ClientFacts>& client);

    // Writes the receipt. A refusal found under the client's lock (the client gone, an item
    // paid meanwhile, the receipt posted meanwhile) writes nothing; a store error propagates
    // with nothing written.
    std::optional<Refusal> write(const PreparedReceipt& prepared, const PostingContext& context);

private:
    std::optional<Refusal> checkItemsAgain(const PreparedReceipt& prepared);
    std::int64_t writeLines(const PreparedReceipt& prepared, const PostingContext& context, const std::optional<ClientFacts>& client);
    void writeClientEntries(const PreparedReceipt& prepared, const PostingContext& context, const ClientFacts& client,
                            std::int64_t headerSeq, Money owed);

    ReceiptBooks& books_;
    store::Table headers_, details_;
    DistributionSlots headerSlots_{headers_};
    BankLineWriter bankLines_;
    JournalWriter journal_;
    LedgerWriter ledger_;
    TaxReportWriter taxReport_;
};

// The journal of a receipt: 2 or 21 + the client's currency; not from a client, by the
// currency of its first bank line.
int ReceiptJournal(ReceiptBooks& books, const ReceiptDocument& receipt, const std::optional<ClientFacts>& client);

// What the receipt moves on the client's ledger: R above.
Money ReceivableMovement(ReceiptBooks& books, const Distribution& rows, int currency);

}  // namespace orvant::receipts
