#pragma once
// The rules a cash disbursement must meet, each giving the message that refuses it and where
// the user is sent to mend it. The screen runs them at Accept; a batch import runs the same
// check on each disbursement.

#include <functional>
#include <optional>

#include "disbursement_books.h"
#include "disbursement_document.h"
#include "disbursement_messages.h"

namespace orvant::disbursements {

// Where the user is sent; Totals sends nowhere (the disbursement as a whole is refused).
enum class DisbursementField { Supplier, NotToSupplier, Date, Reference, Memo, OpenItem, RowAccount, RowDebit, RowCredit, Totals };

struct Refusal {
    DisbursementMessage message;
    DisbursementField field;
    int row = -1;  // from 0: the distribution row, or the open item

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// A payment on a holdback item lies above 0 and at most at what the item owes; a payment on an
// invoice may be anything, a negative one applying a credit.
std::optional<Refusal> CheckPayment(const OpenItem& item, int index);

// What Accept checks, in order: the texts (no control characters), the reference, the memo of
// a disbursement not to a supplier (`wantsMemo` is asked, and a true answer stops with
// kAskForMemo; a batch passes nothing), the supplier, each row (its account in the chart, no
// negative amount nor both columns, no payable account of another currency than the
// supplier's), the balance, the payable accounts of a disbursement not to a supplier, the
// payments, and that something is to be posted.
std::optional<Refusal> CheckDisbursement(DisbursementBooks& books, const DisbursementDocument& disbursement,
                                         const std::function<bool()>& wantsMemo = {});
// The same on the disbursement's supplier as read already (nothing for a disbursement not to a
// supplier).
std::optional<Refusal> CheckDisbursement(DisbursementBooks& books, const DisbursementDocument& disbursement,
                                         const std::optional<SupplierFacts>& supplier, const std::function<bool()>& wantsMemo = {});

}  // namespace orvant::disbursements
