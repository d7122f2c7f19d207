#pragma once
// The posting of a cash disbursement, in the suite's four steps: the tax-per-rate lines to ask
// are worked out first and the answers applied (nothing written); then the supplier record is
// locked, waiting while another workstation holds it; then one transaction reads every paid
// item's open amount again and writes the journal, the bank reconciliation, the disbursement's
// history, the ledger entries, the supplier and the tax report; the commit puts the
// disbursement in the books whole, or a refusal or failure leaves nothing.
//
// What the ledger, the supplier's balance and the journal move is one amount, N: the credits
// less the debits of the rows on the supplier's own payable account. Each payment writes its
// entry of minus the payment; when the payments S do not account for N, one more entry of
// N + S does (type "4" when positive, "5" when negative), under the reference as its invoice.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "books/bank_line_writer.h"
#include "books/distribution_slots.h"
#include "books/journal_writer.h"
#include "books/ledger_writer.h"
#include "books/tax_report_writer.h"
#include "disbursement_books.h"
#include "disbursement_check.h"
#include "disbursement_document.h"
#include "sidedialogs/tax_per_rate.h"
#include "store/lock_retry.h"

namespace orvant::disbursements {

// Ledger codes of a disbursement's entries.
inline constexpr const char* kPaymentType = "2";
inline constexpr const char* kPayableCreditedType = "4";
inline constexpr const char* kPayableDebitedType = "5";

// Type codes of the purchases tax report for a disbursement's tax rows.
inline constexpr int kTaxPaid = 4;      // the tax account debited
inline constexpr int kTaxReceived = 6;  // the tax account credited

// What the tax-per-rate dialog answered: the lines with their net amounts typed.
struct PostingAnswers {
    std::vector<sidedialogs::TaxPerRateLine> taxes;
};

// The disbursement as it will be written.
struct PreparedDisbursement {
    DisbursementDocument document;
    int journal = 4;
    std::vector<sidedialogs::TaxPerRateLine> taxes;  // signed
};

struct PostingContext {
    int period = 0;
    std::string user;
    store::LockRetry lockRetry;
    // A disbursement whose supplier, reference and date are in the books already may be posted
    // again: the user said so, or the import was told to.
    bool repeatAllowed = false;
};

class DisbursementPosting {
public:
    explicit DisbursementPosting(DisbursementBooks& books);

    // The lines of the tax-per-rate dialog; none when the company reports no taxes per rate.
    std::vector<sidedialogs::TaxPerRateLine> taxLinesToAsk(const DisbursementDocument& disbursement) const;

    // Applies the answers and settles the journal. Nothing is written.
    std::variant<PreparedDisbursement, Refusal> prepare(const DisbursementDocument& disbursement, PostingAnswers answers);
    // The same on the disbursement's supplier as read already (nothing for a disbursement not to
    // a supplier).
    std::variant<PreparedDisbursement, Refusal> prepare(const DisbursementDocument& disbursement, PostingAnswers answers,
                                                        const std::optional<SupplierFacts>& supplier);

    // Writes the disbursement. A refusal found under the supplier's lock (the supplier gone, an
    // item paid meanwhile, the disbursement posted meanwhile) writes nothing; a store error
    // propagates with nothing written.
    std::optional<Refusal> write(const PreparedDisbursement& prepared, const PostingContext& context);

private:
    std::optional<Refusal> checkItemsAgain(const PreparedDisbursement& prepared);
    std::int64_t writeRows(const PreparedDisbursement& prepared, const PostingContext& context,
                           const std::optional<SupplierFacts>& supplier);
    void writeSupplierEntries(const PreparedDisbursement& prepared, const PostingContext& context, const SupplierFacts& supplier,
                              std::int64_t headerSeq, Money moved);

    DisbursementBooks& books_;
    store::Table headers_, details_;
    DistributionSlots headerSlots_{headers_};
    BankLineWriter bankLines_;
    JournalWriter journal_;
    LedgerWriter ledger_;
    TaxReportWriter taxReport_;
};

// The journal of a disbursement: 4 or 41 + the supplier's currency; not to a supplier, by the
// currency of its first bank row.
int DisbursementJournal(DisbursementBooks& books, const DisbursementDocument& disbursement,
                        const std::optional<SupplierFacts>& supplier);

// What the disbursement moves on the supplier's ledger: N above.
Money PayableMovement(DisbursementBooks& books, const Distribution& rows, int currency);

}  // namespace orvant::disbursements
