#pragma once
// The rules a sales document must meet, each giving the message that refuses it and where the
// user is sent to mend it. The screen runs them as fields are left and all of them again at
// Accept; a batch import runs the same check on each document.

#include <functional>
#include <optional>
#include <string>

#include "sales_books.h"
#include "sales_document.h"
#include "sales_messages.h"

namespace orvant::sales {

// Where the user is sent; Totals sends nowhere (the document as a whole is refused).
enum class SalesField {
    Client, CashSale, Type, Invoice, Reference, Date, DueDate, Comment,
    RowAccount, RowDescription, RowDebit, RowCredit, Totals, ProjectLine
};

struct Refusal {
    SalesMessage message;
    SalesField field;
    int row = -1;  // from 0, for the row fields and project lines

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The client the document names, read once for all its checks and its due date: nothing for a
// direct cash sale, nor for a code that is empty or holds a control character (refused before it
// is looked for).
std::optional<ClientFacts> DocumentClient(SalesBooks& books, const SalesDocument& document);

// The client must exist and not be on credit hold; a code with a control character is refused
// before it is looked for.
std::optional<Refusal> CheckClient(SalesBooks& books, const std::string& code);
// The same, on the client as read for `code`.
std::optional<Refusal> CheckClient(const std::string& code, const std::optional<ClientFacts>& client);

// A sale needs a number the client has no sale under; a note names a sale of the client;
// an adjustment may name anything. An empty number is refused for every type.
std::optional<Refusal> CheckInvoiceNumber(SalesBooks& books, const std::string& client, SalesType type, const std::string& invoice);

// A note carries its own number. Neither number may hold a control character.
std::optional<Refusal> CheckReference(SalesType type, const std::string& reference);

// The receivable row takes a credit note in its credit column and a debit note in its debit
// column; amounts are never negative. `client` is the document's client (nothing for a direct
// cash sale): a receivable account of another currency than the client's is refused.
std::optional<Refusal> CheckRowAmounts(SalesBooks& books, SalesType type, const std::optional<ClientFacts>& client, int row,
                                       const DistributionRow& values);

// What Accept checks, in order: the texts (no control characters), the number, the balance of
// the rows (as they stand, not the running totals), that some row holds an amount, the
// reference, the comment of a direct cash sale (`wantsComment` is asked, and a true answer
// stops with kAskForComment; a batch passes nothing), each row with an amount, then the client
// and the number's rule.
std::optional<Refusal> CheckDocument(SalesBooks& books, const SalesDocument& document,
                                     const std::function<bool()>& wantsComment = {});
// All of it but the number's rule, on the client as DocumentClient read it: an import leaves the
// number to the posting, which checks it under the client's lock with the same refusal.
std::optional<Refusal> CheckDocumentButNumber(SalesBooks& books, const SalesDocument& document,
                                              const std::optional<ClientFacts>& client,
                                              const std::function<bool()>& wantsComment = {});

// Whether the document looks posted already: a note or adjustment of the client with its type,
// invoice and reference, or a direct cash sale of its number and date. (A sale under a number
// the client has is refused by the number's rule.) The screen asks before posting it again; an
// import refuses it unless told to post repeats.
bool LooksPostedAlready(SalesBooks& books, const SalesDocument& document);

}  // namespace orvant::sales
