#pragma once
// The posting of a purchase document, in the suite's four steps: what the dialogs must ask is
// worked out first and their answers checked (nothing written); then the supplier record is
// locked, waiting while another workstation holds it; then one transaction writes the journal,
// the supplier, its ledger entries, the tax report, the project charges and the document
// record, in that order; the commit puts the document in the books whole, or a failure leaves
// nothing.
//
// The supplier's balance always equals its ledger: the payable amount is the signed sum of all
// the document's payable rows (credit less debit), and the ledger entries written add up to it,
// the holdback part included.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "books/distribution_slots.h"
#include "books/holdback.h"
#include "books/journal_writer.h"
#include "books/ledger_writer.h"
#include "books/tax_report_writer.h"
#include "purchase_books.h"
#include "purchase_check.h"
#include "purchase_document.h"
#include "sidedialogs/project_transactions.h"
#include "sidedialogs/tax_per_rate.h"
#include "store/lock_retry.h"

namespace orvant::purchases {

// What the document owes the supplier.
struct PurchaseTotals {
    // Credit less debit over every payable row: positive for a purchase or a debit note,
    // negative for a credit note.
    Money payableAmount;
    // Whether payable rows stand in both columns (no holdback can be taken then).
    bool payableOnBothSides = false;

    // What the holdback and project dialogs are offered: the payable amount without its sign.
    Money base() const { return payableAmount.abs(); }
};

// What the user answered in the dialogs.
struct PostingAnswers {
    std::vector<sidedialogs::TaxPerRateLine> taxes;  // with the net amounts typed
    // The holdback dialog's answer; its amount, when given, is held back to the cent, else the
    // percent of the base rounded to cents. The choice is not used.
    std::optional<HoldbackAnswer> holdback;
    std::vector<sidedialogs::ProjectLine> projects;  // with element, quantity and rate
};

// The document as it will be written, with what goes with it.
struct PreparedPurchase {
    PurchaseDocument document;
    Money payableAmount;  // signed, the whole of what the document owes
    Money holdback;       // signed like the payable amount; 0: none
    Date holdbackDueDate;
    std::vector<sidedialogs::TaxPerRateLine> taxes;  // signed
    std::vector<sidedialogs::ProjectLine> projects;
};

// What every document posted from one screen or one import shares.
struct PostingContext {
    int period = 0;
    std::string user;
    std::string projectDescription;  // the screen's text for a project purchase transaction
    store::LockRetry lockRetry;
    // A note, adjustment or cash purchase that looks posted already may be posted again: the
    // user said so, or the import was told to.
    bool repeatAllowed = false;
};

class PurchasePosting {
public:
    explicit PurchasePosting(PurchaseBooks& books);

    PurchaseTotals totals(const PurchaseDocument& document) const;
    // The lines of the tax-per-rate dialog (types 4 for a tax debited, 6 for a tax credited);
    // none when the company reports no taxes per rate.
    std::vector<sidedialogs::TaxPerRateLine> taxLinesToAsk(const PurchaseDocument& document) const;
    // Whether the holdback dialog is shown: job costing on and a supplier's document.
    bool asksHoldback(const PurchaseDocument& document) const;
    // Whether the project dialog is shown: job costing on (a direct cash purchase offers 0).
    bool asksProjects(const PurchaseDocument& document) const;

    // Checks the answers and applies them: the holdback worked out (0 < |H| <= |payable|, the
    // payable rows on one side), the taxes signed, the project lines checked. Nothing is written.
    std::variant<PreparedPurchase, Refusal> prepare(const PurchaseDocument& document, PostingAnswers answers);

    // Writes the document. Rows that write no line, or lines that would not balance, are
    // refused before anything is locked. A refusal found under the supplier's lock (the supplier
    // gone, the number taken meanwhile) writes nothing; a store error propagates with nothing
    // written.
    std::optional<Refusal> write(const PreparedPurchase& prepared, const PostingContext& context);

private:
    void writeRows(const PreparedPurchase& prepared, const PostingContext& context, const std::optional<SupplierFacts>& supplier);
    void updateSupplier(const PreparedPurchase& prepared);
    void addLedgerEntries(const PreparedPurchase& prepared, const SupplierFacts& supplier, const PostingContext& context);
    void addDocumentRecord(const PreparedPurchase& prepared, const PostingContext& context);

    PurchaseBooks& books_;
    store::Table documents_;
    DistributionSlots documentSlots_{documents_};
    JournalWriter journal_;
    LedgerWriter ledger_;
    TaxReportWriter taxReport_;
};

// The journal of a document: 3 for the home currency and for a direct cash purchase, 31 + c
// for a supplier of foreign currency c.
int PurchaseJournal(const std::optional<SupplierFacts>& supplier);

}  // namespace orvant::purchases
