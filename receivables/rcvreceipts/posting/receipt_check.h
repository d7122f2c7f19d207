#pragma once
// The rules a cash receipt must meet, each giving the message that refuses it and where the
// user is sent to mend it. The screen runs them at Accept; a batch import runs the same check
// on each receipt.

#include <functional>
#include <optional>

#include "receipt_books.h"
#include "receipt_document.h"
#include "receipt_messages.h"

namespace orvant::receipts {

// Where the user is sent; Totals sends nowhere (the receipt as a whole is refused).
enum class ReceiptField { Client, NotFromClient, Date, Reference, Memo, OpenItem, RowAccount, RowDebit, RowCredit, Totals };

struct Refusal {
    ReceiptMessage message;
    ReceiptField field;
    int row = -1;  // from 0: the distribution line, or the open item

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// A payment on a holdback item lies above 0 and at most at what the item owes; a payment on an
// invoice may be anything, a negative one moving a credit onto the invoice.
std::optional<Refusal> CheckPayment(const OpenItem& item, int index);

// What Accept checks, in order: the texts (no control characters), the reference, the memo of
// a receipt not from a client (`wantsMemo` is asked, and a true answer stops with kAskForMemo;
// a batch passes nothing), the client, each line (its account in the chart, no negative
// amount nor both columns, no receivable account of another currency than the client's), the
// balance, the receivable and holdback accounts of a receipt not from a client, the payments,
// and that something is to be posted.
std::optional<Refusal> CheckReceipt(ReceiptBooks& books, const ReceiptDocument& receipt,
                                    const std::function<bool()>& wantsMemo = {});
// The same on the receipt's client as read already (nothing for a receipt not from a client).
std::optional<Refusal> CheckReceipt(ReceiptBooks& books, const ReceiptDocument& receipt, const std::optional<ClientFacts>& client,
                                    const std::function<bool()>& wantsMemo = {});

}  // namespace orvant::receipts
