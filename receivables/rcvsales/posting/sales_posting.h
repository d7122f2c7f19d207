#pragma once
// The posting of a sales document, in the suite's four steps: what the dialogs must ask is
// worked out first and their answers checked (nothing written); then the client record is
// locked, waiting while another workstation holds it; then one transaction writes the journal,
// the client, its ledger entries, the tax report, the project charges and the document record,
// in that order; the commit puts the document in the books whole, or a failure leaves nothing.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "books/distribution_slots.h"
#include "books/holdback.h"
#include "books/journal_writer.h"
#include "books/ledger_writer.h"
#include "books/tax_report_writer.h"
#include "sales_books.h"
#include "sales_check.h"
#include "sales_document.h"
#include "sidedialogs/project_transactions.h"
#include "sidedialogs/tax_per_rate.h"
#include "store/lock_retry.h"

namespace orvant::sales {

// The document's amounts by kind of account, from its rows with a positive amount: what the
// holdback is worked out from, and what the project dialog distributes.
using SalesTotals = HoldbackBasis;

// What the user answered in the dialogs.
struct PostingAnswers {
    std::vector<sidedialogs::TaxPerRateLine> taxes;  // with the net amounts typed
    std::optional<HoldbackAnswer> holdback;
    std::vector<sidedialogs::ProjectLine> projects;
};

// The document as it will be written: its rows after the holdback, and what goes with them.
struct PreparedDocument {
    SalesDocument document;
    HoldbackResult holdback;
    Date holdbackDueDate;
    std::vector<sidedialogs::TaxPerRateLine> taxes;  // signed
    std::vector<sidedialogs::ProjectLine> projects;
};

// What every document posted from one screen or one import shares.
struct PostingContext {
    int period = 0;
    std::string user;
    std::string projectDescription;  // the screen's text for a project sale transaction
    store::LockRetry lockRetry;
    // A note, adjustment or cash sale that looks posted already may be posted again: the user
    // said so, or the import was told to.
    bool repeatAllowed = false;
};

class SalesPosting {
public:
    explicit SalesPosting(SalesBooks& books);

    SalesTotals totals(const SalesDocument& document) const;
    // The lines of the tax-per-rate dialog; none when the company reports no taxes per rate.
    std::vector<sidedialogs::TaxPerRateLine> taxLinesToAsk(const SalesDocument& document) const;
    // Whether the holdback dialog is shown.
    bool asksHoldback(const SalesDocument& document);
    // Whether the project dialog is shown.
    bool asksProjects(const SalesDocument& document) const;

    // Checks the answers and applies them: the holdback rewrites the rows, the taxes are
    // signed, the project lines checked. Nothing is written.
    std::variant<PreparedDocument, Refusal> prepare(const SalesDocument& document, PostingAnswers answers);

    // Writes the document. Rows that write no line, or lines that would not balance, are
    // refused before anything is locked. A refusal found under the client's lock (the client gone or put on
    // credit hold, the number taken meanwhile) writes nothing; a store error propagates with
    // nothing written.
    std::optional<Refusal> write(const PreparedDocument& prepared, const PostingContext& context);

private:
    HoldbackTaxAccounts taxAccounts() const;
    void writeRows(const PreparedDocument& prepared, const PostingContext& context, const std::optional<ClientFacts>& client);
    void updateClient(const PreparedDocument& prepared);
    void addLedgerEntry(const PreparedDocument& prepared, const ClientFacts& client, const PostingContext& context,
                        bool holdbackEntry);
    void addDocumentRecord(const PreparedDocument& prepared, const PostingContext& context);

    SalesBooks& books_;
    store::Table documents_;
    DistributionSlots documentSlots_{documents_};
    JournalWriter journal_;
    LedgerWriter ledger_;
    TaxReportWriter taxReport_;
};

// The journal of a document: 1 for the home currency and for a direct cash sale.
int SalesJournal(const std::optional<ClientFacts>& client);

}  // namespace orvant::sales
