#pragma once
// The messages of the cheque editing screens (the cheque list's and the recurring cheques'),
// by their number in the form's message list, and how each is shown.

#include "ui/message_service.h"

namespace orvant::cheques {

enum ChequeMessage : int {
    kOutOfBalance = 0,          // the ten slots do not balance
    kNoSuchAccount = 1,         // a slot's account is not in the chart
    kPayableNeedsSupplier = 2,  // an amount on the payable slot needs a supplier
    kNoSuchInvoice = 8,         // the invoice is not in the supplier's ledger
    kSlotNeedsAccount = 9,      // a slot with an amount has no account
    kInvoiceOnCheque = 10,      // the invoice is on this cheque already
    kReservedAccount = 11,      // a bank or payable account in a free slot
    kNoSuchSupplier = 12,
    kNegativeRefused = 13,      // a recurring line's amount or discount below 0
    kLineAgainstBalance = 47,   // against the sign of the item's balance, or above it
    kDiscountOutOfRange = 48,   // below 0, above the amount settled, or on a negative line
    kItemOnOtherCheque = 49,    // another cheque of the list pays the item
    kChangedElsewhere = 50,     // the cheque changed on another workstation since it was shown
    kDeletedElsewhere = 51,     // the cheque was deleted on another workstation
    kAskLateDiscount = 52,      // a discount taken after the item's due date
    kNegativeCheque = 53,       // a cheque for less than 0
    kTooLargeForWords = 54,     // an amount the cheque cannot write
    kAskVoidNumber = 55,        // a printed cheque changed or deleted loses its number
    kAskDelete = 60,            // a cheque is deleted only once confirmed
    kLineWithoutInvoice = 61,   // a line with an amount and no invoice
};

ui::MessageKind KindOf(ChequeMessage message);

// The number of a message's US wording (checks, not cheques); the number itself for a message
// that does not name them.
int UsWordingOf(int number);

}  // namespace orvant::cheques
