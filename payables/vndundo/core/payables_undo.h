#pragma once
// Undo of posted payables documents, without a screen: the supplier statement to choose from,
// the cascade of one chosen item worked out and shown before the question, and the undo itself.
//
// A purchase goes with everything that hangs on its invoice (notes, adjustments, holdback part,
// payments) and every payment it goes with takes its whole set along: the items of the same
// reference and date (type "2") and the payment's unapplied part (type "4"/"5" whose invoice is
// that reference); the other invoices of such a payment are reopened. A payment chosen goes
// with its set alone.
//
// The undo takes the supplier's lock (and the cheque list's, shared, so no list is rebuilt over
// it, and a purchase's lines of the list, as the cheque editor holds them while it saves a
// cheque, so none is saved for it meanwhile), then one transaction finds the chosen items again by their sequence numbers, checks them
// once more, removes every record of the cascade with an audit copy, and commits: the books hold
// the cascade whole or not at all, and a second undo of the same item is refused.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"
#include "store/lock_retry.h"

namespace orvant::vndundo {

// Type codes of the supplier ledger.
inline constexpr const char* kPurchaseType = "1";
inline constexpr const char* kPaymentType = "2";
inline constexpr const char* kAdjustmentType = "3";
inline constexpr const char* kDebitNoteType = "4";
inline constexpr const char* kCreditNoteType = "5";
inline constexpr const char* kHoldbackType = "6";

// The message every refusal shows, and the question asked before an undo (the screen's list).
inline constexpr int kConfirmMessage = 5;
inline constexpr int kRefusedMessage = 6;

// One open item of the supplier ledger (cap).
struct LedgerItem {
    std::int64_t seq = 0;  // Cap_seq: how the undo finds the item again
    std::string supplier, invoice, reference;
    Date date, dueDate;
    std::string type;  // "1" to "6"
    Money amount;
    bool holdback = false;
    std::string memo;

    bool isPayment() const { return type == kPaymentType; }
};

// The supplier statement the undo is chosen from: the items of the supplier (every supplier when
// empty), by supplier, invoice, reference, date and type.
std::vector<LedgerItem> StatementItems(store::Database& books, const std::string& supplier = {});

// The item chosen for an undo.
struct UndoSelection {
    std::string supplier;
    std::int64_t seq = 0;
};

enum class RefusalReason {
    ItemGone,          // no item of that supplier has that sequence number (undone already)
    NotUndoable,       // a note, adjustment or holdback part: it goes with its invoice
    InHistory,         // the supplier's history (caph) holds an item of the cascade
    NoBankLine,        // a payment without its bank reconciliation line
    Reconciled,        // a payment whose bank line is reconciled
    OnChequeList,      // the invoice waits on the list of cheques to be printed
    JournalNotFound,   // no journal header (nor ledger lines) holds a document's distribution
    JournalAmbiguous,  // more than one header holds it
    SharedTaxLines,    // another document shares the reference and date of its tax or project lines
    ChangedMeanwhile,  // the cascade is no longer the one confirmed
    SupplierMissing,   // the supplier is no longer on file
    InvoiceNumberShared,  // another purchase of the supplier carries the same invoice number
};

struct UndoRefusal {
    RefusalReason reason = RefusalReason::ItemGone;
    std::string detail;  // the invoice, reference or table concerned, for the person
    int message = kRefusedMessage;
};

// A journal entry the undo takes lines from: in the journal not yet handed to the general ledger
// (tjlh/tjld), or in the general ledger itself (gla, with the account balances of glm).
struct JournalPart {
    bool generalLedger = false;  // gla: a period already handed to the general ledger
    int period = 0;
    int journal = 0;
    std::string reference;
    Date date;
    int lines = 0;  // lines the undo removes from it
};

// A document of the cascade with what it has in the books.
struct CascadeDocument {
    enum class Kind { Purchase, Note, Payment } kind = Kind::Purchase;
    std::string type;       // the ledger type of its item ("1", "3", "4", "5", or "2" for a payment)
    std::string invoice;    // a purchase's or note's invoice
    std::string reference;  // a note's or payment's own number
    Date date;
    Money payableAmount;    // what it moved on the supplier's balance
    JournalPart journal;
    bool cheque = false;        // a printed cheque: its number turns void in the register
    int bankPosition = 0;       // its bank account's position (1 to 5) when a cheque
    int chequeNumber = 0;
};

// What one undo removes, worked out before the question: the screen lists it whole.
struct UndoCascade {
    UndoSelection selection;
    std::string supplierName;
    std::vector<LedgerItem> items;            // every item removed, the chosen one first
    std::vector<CascadeDocument> documents;   // every document removed
    std::vector<std::string> reopenedInvoices;  // other invoices a payment of the cascade covered
    std::vector<int> generalLedgerPeriods;      // periods handed to the general ledger that change
    Money balanceChange;                        // on the supplier's balance (the items' sum, negated)
};

// The cascade of the chosen item, or why it cannot be undone. Nothing is written.
std::variant<UndoCascade, UndoRefusal> ComputeCascade(store::Database& books, const UndoSelection& selection);

// What an undo waits for while another workstation holds it.
enum class UndoWait {
    ChequeList,     // the list of cheques, rebuilt meanwhile
    Supplier,       // the supplier's record
    ControlRecord,  // the control record, held for a bank's cheque numbers
    ChequeLine,     // the purchase's line of a cheque being saved
    Numbering,      // the numbering of undos, during another undo
};

struct UndoContext {
    std::string user;  // the session's UserId (the user's name), kept on the audit copies
    store::LockRetry lockRetry;
    // Told of each refusal with what was refused; without it lockRetry.waiting is.
    std::function<void(UndoWait, const store::StoreError&)> waitingFor;
};

struct UndoDone {
    int undoNumber = 0;  // carried by every audit copy of this undo
    UndoCascade cascade;
};

// Undoes the cascade the user confirmed. Found again under the locks and in the transaction, it
// must still be the same cascade; else, or on a failed check, nothing is written. A store error
// propagates with nothing written.
std::variant<UndoDone, UndoRefusal> RunUndo(store::Database& books, const UndoCascade& confirmed, const UndoContext& context);

// A short English text of a refusal, for tools and logs (the screen shows message 6).
std::string RefusalText(const UndoRefusal& refusal);

}  // namespace orvant::vndundo
