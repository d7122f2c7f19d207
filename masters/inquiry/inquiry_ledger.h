#pragma once
// What tells the two inquiries apart below their screens: the ledger a party's statement and
// graph read, and the tables its documents were kept in. The client inquiry also reprints the
// invoices of the invoicing tables; the supplier inquiry has none.

#include "aging/aging_ledger.h"

namespace orvant::inquiry {

struct InquiryLedger {
    const aging::AgingLedger& entries;  // car / cap, carh / caph, the aging limits and names
    const char* partyColumn;            // "Client": the party's field in the document tables
    const char* documents;              // "arori": the sales or purchase documents as entered
    const char* paymentHeaders;         // "crorihdr"
    const char* paymentDetails;         // "croridet"
    const char* notFromParty;           // "Not_from_cli": a receipt or payment of no party
    const char* directCash;             // "Direct_cash_sale"
    int holdbackTypeMessage;            // the message naming type "6": 10 for clients, 12 for suppliers
    bool invoices;                      // reprints the invoicing application's invoices

    static const InquiryLedger& receivables();
    static const InquiryLedger& payables();
};

}  // namespace orvant::inquiry
