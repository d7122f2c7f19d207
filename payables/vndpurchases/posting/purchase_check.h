#pragma once
// The rules a purchase document must meet, each giving the message that refuses it and where
// the user is sent to mend it. The screen runs them as fields are left and all of them again at
// Accept; a batch import runs the same check on each document.

#include <functional>
#include <optional>
#include <string>

#include "purchase_books.h"
#include "purchase_document.h"
#include "purchase_messages.h"

namespace orvant::purchases {

// Where the user is sent; Totals sends nowhere (the document as a whole is refused).
enum class PurchaseField {
    Supplier, CashPurchase, Type, Invoice, Reference, Date, DueDate, Comment,
    RowAccount, RowDescription, RowDebit, RowCredit, Totals, Holdback, ProjectLine
};

struct Refusal {
    PurchaseMessage message;
    PurchaseField field;
    int row = -1;  // from 0, for the row fields and project lines

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The supplier the document names, read once for all its checks and its due date: nothing for
// a direct cash purchase, nor for a code that is empty or holds a control character (refused
// before it is looked for).
std::optional<SupplierFacts> DocumentSupplier(PurchaseBooks& books, const PurchaseDocument& document);

// The supplier must exist; a code with a control character is refused before it is looked for.
std::optional<Refusal> CheckSupplier(PurchaseBooks& books, const std::string& code);
// The same, on the supplier as read for `code`.
std::optional<Refusal> CheckSupplier(const std::string& code, const std::optional<SupplierFacts>& supplier);

// A purchase needs a number the supplier has no purchase under; a note names a purchase of the
// supplier (only a type "1" entry of exactly that number counts); an adjustment may name
// anything. An empty number is refused for every type.
std::optional<Refusal> CheckInvoiceNumber(PurchaseBooks& books, const std::string& supplier, PurchaseType type,
                                          const std::string& invoice);

// A note carries its own number. Neither number may hold a control character.
std::optional<Refusal> CheckReference(PurchaseType type, const std::string& reference);

// Amounts are never negative and a row holds one side only. A payable row takes a purchase or a
// debit note in its credit column and a credit note in its debit column; `supplier` is the
// document's supplier (nothing for a direct cash purchase): a payable account of another
// currency than the supplier's is refused.
std::optional<Refusal> CheckRowAmounts(PurchaseBooks& books, PurchaseType type, const std::optional<SupplierFacts>& supplier,
                                       int row, const DistributionRow& values);

// What Accept checks, in order: the texts (no control characters), the number, the amounts
// within the books' limit, the balance of the rows (as they stand, not the running totals), that
// some row holds an amount, the reference, the comment of a direct cash purchase
// (`wantsComment` is asked, and a true answer stops with kAskForComment; a batch passes
// nothing), each row with an amount (no payable row in a direct cash purchase, the account in
// the chart, the amounts' sides), then the supplier and the number's rule.
std::optional<Refusal> CheckDocument(PurchaseBooks& books, const PurchaseDocument& document,
                                     const std::function<bool()>& wantsComment = {});
// All of it but the number's rule, on the supplier as DocumentSupplier read it: an import leaves
// the number to the posting, which checks it under the supplier's lock with the same refusal.
std::optional<Refusal> CheckDocumentButNumber(PurchaseBooks& books, const PurchaseDocument& document,
                                              const std::optional<SupplierFacts>& supplier,
                                              const std::function<bool()>& wantsComment = {});

// Whether the document looks posted already: a note or adjustment of the supplier with its
// type, invoice and reference, or a direct cash purchase of its number and date. (A purchase
// under a number the supplier has is refused by the number's rule.) The screen asks before
// posting it again; an import refuses it unless told to post repeats.
bool LooksPostedAlready(PurchaseBooks& books, const PurchaseDocument& document);

}  // namespace orvant::purchases
