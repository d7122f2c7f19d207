#include "aging/aging_screen_ledger.h"

namespace orvant::aging {

const AgingScreenLedger& AgingScreenLedger::receivables()
{
    static const AgingScreenLedger screen{AgingLedger::receivables(), "rcvaging", "Trcvaging_qrfrm", "Trcvaging_qrfrm2", "Client",
                                          "client", 207, true, true, true};
    return screen;
}

// The supplier listings name no telephone; suppliers have no territory to age by.
const AgingScreenLedger& AgingScreenLedger::payables()
{
    static const AgingScreenLedger screen{AgingLedger::payables(), "vndaging", "Tvndaging_QRFRM", "Tvndaging_QRFRM2", "Supplier",
                                          "supplier", 306, false, false, false};
    return screen;
}

QString AgingScreenLedger::defaultTitle() const
{
    return this == &payables() ? QStringLiteral("Aging of Supplier Accounts") : QStringLiteral("Aging of Accounts");
}

QStringList AgingScreenLedger::defaultColumns(bool detailed) const
{
    if (this == &payables())
        return detailed ? QStringList{"Invoice #", "Date", "Due date", "Reference", "Type", "Days", "Amount"}
                        : QStringList{"Supplier", "Name", "Amount"};
    return detailed ? QStringList{"Invoice #", "Date", "Due date", "Reference", "Type", "Day", "Amount"}
                    : QStringList{"Code", "Name", "Phone", "Amount"};
}

QStringList AgingScreenLedger::defaultTypeNames() const
{
    return {this == &payables() ? "Pur" : "Sale", "Pmt", "Adj", "Debit", "Credit", "Hold"};
}

}  // namespace orvant::aging
