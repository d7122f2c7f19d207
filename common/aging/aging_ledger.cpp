#include "aging/aging_ledger.h"

namespace orvant::aging {

const AgingLedger& AgingLedger::receivables()
{
    static const AgingLedger ledger{"cli", "Cli", "Car", "Car_client", "car", "carh", "Ctrl_ar_", true, OlderThanRule::AtLeast};
    return ledger;
}

const AgingLedger& AgingLedger::payables()
{
    static const AgingLedger ledger{"sup", "Sup", "Cap", "Cap_supplier", "cap", "caph", "Ctrl_ap_", false, OlderThanRule::Beyond};
    return ledger;
}

}  // namespace orvant::aging
