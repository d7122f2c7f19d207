#include "inquiry_ledger.h"

namespace orvant::inquiry {

const InquiryLedger& InquiryLedger::receivables()
{
    static const InquiryLedger ledger{aging::AgingLedger::receivables(), "Client", "arori", "crorihdr", "croridet",
                                      "Not_from_cli", "Direct_cash_sale", 10, true};
    return ledger;
}

const InquiryLedger& InquiryLedger::payables()
{
    static const InquiryLedger ledger{aging::AgingLedger::payables(), "Supplier", "apori", "cdorihdr", "cdoridet",
                                      "Not_to_sup", "Direct_cash_purchase", 12, false};
    return ledger;
}

}  // namespace orvant::inquiry
